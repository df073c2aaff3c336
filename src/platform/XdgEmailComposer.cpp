#include "platform/XdgEmailComposer.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <vector>

namespace qp {
namespace {

namespace fs = std::filesystem;

// Attachment files under their display names, in one message folder of the cache made when
// the first copy is needed.
class NamedCopies {
 public:
  explicit NamedCopies(AttachmentCache& cache) : cache_(cache) {}

  // The path to hand over for the attachment; its own path when no copy is needed or possible.
  std::string pathFor(const MailAttachment& a, std::size_t index) {
    if (a.name.empty() || fs::path(a.path).filename() == a.name ||
        a.name.find('/') != std::string::npos || !makeFolder()) {
      return a.path;
    }
    const fs::path sub = folder_ / std::to_string(index);
    const fs::path named = sub / a.name;
    std::error_code ec;
    fs::create_directory(sub, ec);
    fs::create_hard_link(a.path, named, ec);
    if (ec) {
      ec.clear();
      fs::copy_file(a.path, named, ec);
    }
    return ec ? a.path : named.string();
  }

 private:
  bool makeFolder() {
    if (folder_.empty()) {
      folder_ = cache_.newMessageFolder();
    }
    return !folder_.empty();
  }

  AttachmentCache& cache_;
  fs::path folder_;
};

}  // namespace

std::string XdgEmailComposer::findProgram() {
  const char* path = std::getenv("PATH");
  std::string dirs = path ? path : "/usr/local/bin:/usr/bin:/bin";
  std::size_t start = 0;
  while (start <= dirs.size()) {
    const std::size_t end = std::min(dirs.find(':', start), dirs.size());
    const std::string dir = dirs.substr(start, end - start);
    std::string candidate = (dir.empty() ? std::string(".") : dir) + "/xdg-email";
    if (::access(candidate.c_str(), X_OK) == 0) {
      return candidate;
    }
    start = end + 1;
  }
  return std::string();
}

bool XdgEmailComposer::available() const {
  return !findProgram().empty();
}

MailComposer::Result XdgEmailComposer::send(const MailMessage& message) {
  const std::string program = findProgram();
  if (program.empty()) {
    return Result::Failed;
  }
  NamedCopies copies(cache_);
  std::vector<std::string> args = {"--utf8", "--subject", message.subject, "--body", message.body};
  for (std::size_t i = 0; i < message.attachments.size(); ++i) {
    args.push_back("--attach");
    args.push_back(copies.pathFor(message.attachments[i], i));
  }
  const ProcessExit ended = launcher_.run(program, args);
  if (ended.kind == ProcessExit::Kind::Signalled) {
    return Result::Cancelled;
  }
  return ended.succeeded() ? Result::Sent : Result::Failed;
}

}  // namespace qp
