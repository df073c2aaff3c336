#pragma once

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <string>

namespace qp {

// Where e-mail attachments wait for the mail program: notes converted to the e-mail format and
// copies under the names the recipient sees. Handing a message over returns before the mail
// program has read its attachments (it may read them much later), so they are never removed
// when sending returns. Each message gets a folder of its own under the root instead, and
// making a new one first removes whatever in the root was last changed more than kKeep ago.
//
// Several processes may share a root: folders are created atomically and never reused. Not
// thread-safe.
class AttachmentCache {
 public:
  static constexpr std::chrono::hours kKeep{24};

  // root: the folder that holds the message folders; made when needed.
  explicit AttachmentCache(std::string root) : root_(std::move(root)) {}

  // The user's cache for attachments: "$XDG_CACHE_HOME/quillophone/mail", with
  // "$HOME/.cache" standing for XDG_CACHE_HOME when it is unset, empty or relative.
  static std::string userRoot();

  const std::string& root() const { return root_; }

  // Removes every entry of the root (with everything in it) last changed before now - kKeep;
  // returns how many went. Entries that cannot be removed stay for the next time.
  std::size_t removeExpired(std::filesystem::file_time_type now);

  // Removes the expired entries, then makes a new empty folder for one message and returns
  // its path; empty when the root cannot be made or written.
  std::string newMessageFolder();

 private:
  std::string root_;
};

}  // namespace qp
