#pragma once

#include <QString>

#include "core/one_copy.h"
#include "frontends/qt/start_activation.h"

namespace quillpad::qt {

// Where the copies on one profile meet: in the user's runtime folder, named after the
// profile's file, so that copies on other profiles (another configuration folder, another
// program name) run side by side.
struct ClaimPlace {
  // Locked by the copy that runs on the profile for as long as its process lives.
  QString lock_file;
  // Where that copy listens for later starts.
  QString socket;

  static ClaimPlace ForProfile(const QString& profile_file);
};

// The claim as a lock on a file (released by the system when the process ends, however it
// ends), and the hand-over as one request on a local socket.
class LocalProfileClaim final : public ProfileClaim {
 public:
  LocalProfileClaim(ClaimPlace place, StartActivation activation);
  ~LocalProfileClaim() override;
  LocalProfileClaim(const LocalProfileClaim&) = delete;
  LocalProfileClaim& operator=(const LocalProfileClaim&) = delete;

  bool Take(std::chrono::milliseconds wait) override;
  HandOverAnswer HandOver() override;

  // Answers for the other side of the socket.
  static constexpr char kTaken = 'y';
  static constexpr char kEnding = 'e';

 private:
  ClaimPlace place_;
  StartActivation activation_;
  int lock_ = -1;
};

}  // namespace quillpad::qt
