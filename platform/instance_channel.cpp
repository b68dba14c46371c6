#include "platform/instance_channel.h"

#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QPointer>
#include <QTimer>
#include <QtEndian>

namespace vokabi::platform {

namespace {

// On the wire: dwData and cbData as 32-bit little-endian numbers, then the cbData bytes; the
// receiver answers with one byte once it has dealt with them.
constexpr qint64 kHeaderSize = 8;
constexpr char kAcknowledgement = 1;
// Far above what a hand-off carries; a larger count is not from this program.
constexpr quint32 kMaxData = 64 * 1024;
// Connecting to a listening local socket is immediate; this only bounds a wedged system.
constexpr int kConnectMs = 2000;
// Another start holds the lock only while it tests and listens.
constexpr int kLockMs = 5000;

}  // namespace

InstanceChannel::InstanceChannel(QString name) : name_(std::move(name)) {}

InstanceChannel::~InstanceChannel() = default;

InstanceChannel::Role InstanceChannel::Claim() {
  server_.reset();
  peer_.reset();
  // No safe place for the channel: this start runs alone.
  if (name_.isEmpty()) return Role::kFirst;
  // Without the lock (a full or read-only folder) the test still decides; only two starts at
  // the very same moment could then both listen.
  QLockFile lock(ChannelLockPath(name_));
  lock.tryLock(kLockMs);

  auto peer = std::make_unique<QLocalSocket>();
  peer->connectToServer(name_);
  if (peer->waitForConnected(kConnectMs)) {
    // Only a start of the same user is handed anything.
    if (!PeerIsThisUser(peer->socketDescriptor())) return Role::kFirst;
    peer_ = std::move(peer);
    return Role::kRunning;
  }
  // Nobody answers: a socket file left behind is a crashed start's.
  QLocalServer::removeServer(name_);
  auto server = std::make_unique<QLocalServer>();
  server->setSocketOptions(QLocalServer::UserAccessOption);
  // A start that cannot listen still runs, alone.
  if (server->listen(name_)) server_ = std::move(server);
  return Role::kFirst;
}

InstanceChannel::Delivery InstanceChannel::Send(const CopyData& data,
                                                std::chrono::milliseconds timeout) {
  if (!peer_) return Delivery::kGone;
  QByteArray message(kHeaderSize, '\0');
  qToLittleEndian<quint32>(data.dwData, message.data());
  qToLittleEndian<quint32>(static_cast<quint32>(data.data.size()), message.data() + 4);
  message.append(data.data.data(), static_cast<qsizetype>(data.data.size()));

  const QDeadlineTimer deadline(timeout);
  peer_->write(message);
  while (peer_->bytesToWrite() > 0 && peer_->state() == QLocalSocket::ConnectedState) {
    if (!peer_->waitForBytesWritten(static_cast<int>(deadline.remainingTime()))) break;
  }
  while (peer_->bytesAvailable() == 0) {
    if (peer_->state() != QLocalSocket::ConnectedState) return Delivery::kGone;
    if (deadline.hasExpired()) return Delivery::kNoAnswer;
    peer_->waitForReadyRead(static_cast<int>(deadline.remainingTime()));
  }
  char answer = 0;
  peer_->getChar(&answer);
  peer_->disconnectFromServer();
  return answer == kAcknowledgement ? Delivery::kTaken : Delivery::kGone;
}

void InstanceChannel::Receive(std::function<void(const CopyData&)> receiver) {
  receiver_ = std::move(receiver);
  if (!server_) return;
  QObject::connect(server_.get(), &QLocalServer::newConnection, server_.get(),
                   [this] { AcceptPending(); });
  // Starts that connected while this one was still starting have waited for this.
  AcceptPending();
}

void InstanceChannel::AcceptPending() {
  while (QLocalSocket* socket = server_->nextPendingConnection()) {
    if (!PeerIsThisUser(socket->socketDescriptor())) {
      socket->abort();
      socket->deleteLater();
      continue;
    }
    // A connection that keeps silent would otherwise be held for ever.
    auto* idle = new QTimer(socket);
    idle->setObjectName(QStringLiteral("idle"));
    idle->setSingleShot(true);
    QObject::connect(idle, &QTimer::timeout, socket, [socket] {
      socket->abort();
      socket->deleteLater();
    });
    idle->start(idleTimeout_);
    QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket] { Read(socket); });
    QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    Read(socket);
  }
}

void InstanceChannel::Read(QLocalSocket* socket) {
  if (reading_.contains(socket)) return;
  // Several data may come in one write; each is dealt with and acknowledged in turn.
  while (socket->bytesAvailable() >= kHeaderSize) {
    char header[kHeaderSize];
    socket->peek(header, kHeaderSize);
    const quint32 size = qFromLittleEndian<quint32>(header + 4);
    if (size > kMaxData) {
      socket->abort();
      return;
    }
    if (socket->bytesAvailable() < kHeaderSize + size) return;
    socket->read(header, kHeaderSize);
    const QByteArray bytes = socket->read(size);
    const CopyData data{qFromLittleEndian<quint32>(header), bytes.toStdString()};
    auto* idle = socket->findChild<QTimer*>(QStringLiteral("idle"));
    if (idle) idle->stop();
    // The receiver may run the event loop, where a vanished sender's socket can be deleted.
    const QPointer<QLocalSocket> alive(socket);
    reading_.insert(socket);
    if (receiver_) receiver_(data);
    reading_.remove(socket);
    if (!alive) return;
    socket->write(&kAcknowledgement, 1);
    socket->flush();
    if (idle) idle->start(idleTimeout_);
  }
}

}  // namespace vokabi::platform
