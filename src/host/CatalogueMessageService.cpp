// Message texts from the catalogue; showing one is a notice, never a modal box.
#include "host/CatalogueMessageService.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstring>
#include <mutex>
#include <sstream>

#include "base/RuntimeError.h"
#include "host/DefaultHost.h"

namespace brisklet {

std::string SubstituteParams(const std::string& text, const ParamList& params) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
      size_t n = static_cast<size_t>(text[i + 1] - '1');
      out += n < params.size() && !params[n].IsNull() ? params[n].ToString() : std::string();
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

std::map<int, std::string> ParseCatalogue(std::istream& in, const std::string& name) {
  std::map<int, std::string> messages;
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    size_t tab = line.find('\t');
    if (line.empty() || line[0] == '#' || tab == std::string::npos) continue;
    int id = 0;
    auto [end, error] = std::from_chars(line.data(), line.data() + tab, id);
    if (error != std::errc() || end != line.data() + tab) {
      throw RuntimeError("Invalid message catalogue", "line " + std::to_string(number) + " of '" + name +
                                                          "' does not start with a message number");
    }
    messages[id] = line.substr(tab + 1);
  }
  return messages;
}

namespace {

// The largest catalogue read: the shipped one is a few kilobytes.
constexpr off_t kMaxCatalogueBytes = off_t{4} << 20;

// The catalogue file's bytes. Anything but a regular file of a sensible size is refused
// before it is read: a FIFO would never end, a device could fill the memory.
std::string ReadCatalogueFile(const std::string& path) {
  int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) throw RuntimeError("File not found", "message catalogue '" + path + "' cannot be read");
  struct stat info {};
  std::string why;
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    why = "is not a regular file";
  } else if (info.st_size > kMaxCatalogueBytes) {
    why = "is " + std::to_string(info.st_size) + " bytes, more than a catalogue's " +
          std::to_string(kMaxCatalogueBytes) + " at most";
  }
  std::string bytes;
  if (why.empty()) {
    bytes.resize(static_cast<size_t>(info.st_size));
    ssize_t got = ::read(fd, bytes.data(), bytes.size());
    if (got < 0) why = std::string("cannot be read: ") + std::strerror(errno);
    bytes.resize(got < 0 ? 0 : static_cast<size_t>(got));
  }
  ::close(fd);
  if (!why.empty()) throw RuntimeError("Invalid message catalogue", "'" + path + "' " + why);
  return bytes;
}

}  // namespace

std::string CatalogueMessageService::MessageText(int pID, const std::vector<ParamList>& pParams) {
  std::string text;
  {
    // The compile asks for texts on its two threads; the catalogue is read by the first to ask.
    static std::mutex reading;
    std::lock_guard lock(reading);
    if (!mHost.mCatalogueLoaded) {
      std::string path = mHost.Options().dataDir + "/messages.txt";
      std::istringstream in(ReadCatalogueFile(path));
      mHost.mCatalogue = ParseCatalogue(in, path);
      mHost.mCatalogueLoaded = true;
    }
    auto it = mHost.mCatalogue.find(pID);
    if (it == mHost.mCatalogue.end()) {
      throw RuntimeError("Message not found", "message " + std::to_string(pID) + " is not in the catalogue");
    }
    text = it->second;
  }
  return SubstituteParams(text, pParams.empty() ? ParamList{} : pParams.front());
}

int CatalogueMessageService::ShowMessage(int pID, const std::vector<ParamList>& pParams) {
  mHost.Notice(MessageText(pID, pParams));
  return kMsgBoxOk;
}

}  // namespace brisklet
