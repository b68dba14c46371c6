#include <windows.h>
// wincrypt.h needs windows.h first.
#include <wincrypt.h>

#include <memory>
#include <mutex>
#include <string>

#include "engine/make_crypto.h"

namespace vokabi {
namespace {

// The classic provider, whose defaults are the cipher's parameters: a 40-bit RC2 key of 40
// effective bits, CBC with a zero IV, PKCS #5 padding.
class Provider {
 public:
  Provider() {
    if (!CryptAcquireContextA(&handle_, nullptr, MS_DEF_PROV_A, PROV_RSA_FULL,
                              CRYPT_VERIFYCONTEXT)) {
      handle_ = 0;
    }
  }
  ~Provider() {
    if (handle_ != 0) CryptReleaseContext(handle_, 0);
  }
  Provider(const Provider&) = delete;
  Provider& operator=(const Provider&) = delete;

  HCRYPTPROV get() const { return handle_; }

 private:
  HCRYPTPROV handle_ = 0;
};

// Acquiring the provider loads and sets it up each time, which costs more than deciphering a
// body; the process keeps one, as the program's one cipher object would. A failed acquisition is
// tried again by the next call.
HCRYPTPROV SharedProvider() {
  static std::mutex guard;                    // process-wide: guards the provider
  static std::unique_ptr<Provider> provider;  // process-wide: the system's handle, kept
  const std::lock_guard lock(guard);
  if (!provider || provider->get() == 0) provider = std::make_unique<Provider>();
  return provider->get();
}

class Hash {
 public:
  explicit Hash(HCRYPTPROV provider) {
    if (provider == 0 || !CryptCreateHash(provider, CALG_MD5, 0, 0, &handle_)) handle_ = 0;
  }
  ~Hash() {
    if (handle_ != 0) CryptDestroyHash(handle_);
  }
  Hash(const Hash&) = delete;
  Hash& operator=(const Hash&) = delete;

  HCRYPTHASH get() const { return handle_; }

 private:
  HCRYPTHASH handle_ = 0;
};

// The password's key, or none (0) when a step fails.
class Key {
 public:
  Key(HCRYPTPROV provider, std::string_view password) {
    const Hash hash(provider);
    if (hash.get() == 0) return;
    if (!CryptHashData(hash.get(), reinterpret_cast<const BYTE*>(password.data()),
                       static_cast<DWORD>(password.size()), 0)) {
      return;
    }
    if (!CryptDeriveKey(provider, CALG_RC2, hash.get(), CRYPT_NO_SALT, &handle_)) handle_ = 0;
  }
  ~Key() {
    if (handle_ != 0) CryptDestroyKey(handle_);
  }
  Key(const Key&) = delete;
  Key& operator=(const Key&) = delete;

  HCRYPTKEY get() const { return handle_; }

 private:
  HCRYPTKEY handle_ = 0;
};

BYTE* Bytes(std::string& s) {
  return reinterpret_cast<BYTE*>(s.data());
}

}  // namespace

std::string MakeCrypto::Encrypt(std::string_view text, std::string_view key) {
  if (text.empty() || key.empty()) {
    errors_.SetNomer(msg::kMissingFile);
    return {};
  }
  const Key cipher(SharedProvider(), key);
  DWORD length = static_cast<DWORD>(text.size());
  // The first call only measures: the padded length.
  if (cipher.get() == 0 || !CryptEncrypt(cipher.get(), 0, TRUE, 0, nullptr, &length, 0)) {
    errors_.SetNomer(msg::kMissingFile);
    return {};
  }
  std::string buffer(text);
  buffer.resize(length, ' ');
  DWORD dataLength = static_cast<DWORD>(text.size());
  if (!CryptEncrypt(cipher.get(), 0, TRUE, 0, Bytes(buffer), &dataLength, length)) {
    errors_.SetNomer(msg::kMissingFile);
    return {};
  }
  buffer.resize(dataLength);
  return buffer;
}

std::string MakeCrypto::Decrypt(std::string_view text, std::string_view key) {
  if (text.empty() || key.empty()) {
    errors_.SetNomer(msg::kMissingFile);
    return {};
  }
  const Key cipher(SharedProvider(), key);
  std::string buffer(text);
  DWORD length = static_cast<DWORD>(buffer.size());
  // A wrong key shows as bad padding, which the call refuses.
  if (cipher.get() == 0 || !CryptDecrypt(cipher.get(), 0, TRUE, 0, Bytes(buffer), &length)) {
    errors_.SetNomer(msg::kMissingFile);
    return {};
  }
  buffer.resize(length);
  return buffer;
}

}  // namespace vokabi
