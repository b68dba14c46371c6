#pragma once

#include <QSet>
#include <QString>
#include <chrono>
#include <functional>
#include <memory>

#include "platform/copy_data.h"

class QLocalServer;
class QLocalSocket;

namespace vokabi::platform {

// The channel between one user's starts of the program: a local socket that the first start
// listens on. A later start connects, hands its data over and waits until the first has dealt
// with it, as a sent window message waits for its window procedure.
class InstanceChannel {
 public:
  // name: the socket's path; the lock file that settles two starts at once goes beside it. An
  // empty name makes a channel that never finds nor takes another start.
  explicit InstanceChannel(QString name);
  ~InstanceChannel();
  InstanceChannel(const InstanceChannel&) = delete;
  InstanceChannel& operator=(const InstanceChannel&) = delete;

  enum class Role {
    kFirst,    // no other start of the user answers: this one now listens (a stale socket is
               // replaced; another user's is left alone and this one runs without listening)
    kRunning,  // another start answers: Send hands data to it
  };
  // Tests for a running start and otherwise listens, under the lock, so that of two starts at
  // the same moment exactly one becomes the first.
  Role Claim();

  enum class Delivery {
    kTaken,     // the running start dealt with the data and acknowledged it
    kNoAnswer,  // it is connected but did not acknowledge within the timeout
    kGone,      // it went away first; claiming again may find no one
  };
  // After Claim gave kRunning.
  Delivery Send(const CopyData& data, std::chrono::milliseconds timeout);

  // After Claim gave kFirst: each data handed over from now on, and any handed over before,
  // goes to receiver on the event loop; the sender is acknowledged once receiver returns. A
  // connection that delivers no whole data within the idle timeout is closed.
  void Receive(std::function<void(const CopyData&)> receiver);
  void SetIdleTimeout(std::chrono::milliseconds timeout) { idleTimeout_ = timeout; }

  const QString& Name() const { return name_; }

 private:
  void AcceptPending();
  void Read(QLocalSocket* socket);

  QString name_;
  std::unique_ptr<QLocalServer> server_;
  std::unique_ptr<QLocalSocket> peer_;
  std::function<void(const CopyData&)> receiver_;
  std::chrono::milliseconds idleTimeout_{5000};
  // Connections whose data is with the receiver; what else they sent waits for its return.
  QSet<QLocalSocket*> reading_;
};

// The channel of the user running the program; empty when the only place for it is not safely
// the user's own (UserChannelFallbackFolder belongs to another user or is no folder): another
// user could listen there, so this start then runs without hand-offs.
QString UserChannelName();
QString UserChannelFallbackFolder();

// The other end of a connected local socket runs as the user running the program.
bool PeerIsThisUser(qintptr socket);

// The lock file that settles two starts of a channel at once.
QString ChannelLockPath(const QString& name);

}  // namespace vokabi::platform
