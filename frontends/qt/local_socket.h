#pragma once

#include <QByteArray>
#include <QString>

namespace quillpad::qt {

// A stream socket named by a file, as the copies of the program on one profile meet on it.
// Made here rather than with the toolkit's local sockets, whose network library (and the
// libraries that links) every start would otherwise load.
class LocalSocket {
 public:
  enum class Received { kData, kNothingYet, kEnded };

  LocalSocket() = default;
  ~LocalSocket();
  LocalSocket(LocalSocket&& other) noexcept;
  LocalSocket& operator=(LocalSocket&& other) noexcept;

  // Connected to whoever listens on the name; not valid when nobody does. Sending and
  // receiving then wait up to `wait_ms` each.
  static LocalSocket Connect(const QString& name, int wait_ms);
  // Listening on the name for the user's own programs, in place of whatever was left there;
  // not valid when the name cannot be taken. Neither it nor what it accepts ever waits.
  static LocalSocket Listen(const QString& name);

  bool valid() const { return descriptor_ >= 0; }
  int descriptor() const { return descriptor_; }

  // The next connection waiting; not valid when none is.
  LocalSocket Accept() const;
  // Whether all of the bytes went.
  bool Send(const QByteArray& bytes) const;
  // Appends what has come; a failure counts as the end.
  Received Receive(QByteArray& into) const;

 private:
  explicit LocalSocket(int descriptor) : descriptor_(descriptor) {}

  int descriptor_ = -1;
};

}  // namespace quillpad::qt
