// Message texts from the catalogue; showing one is a notice, never a modal box.
#include "host/CatalogueMessageService.h"

#include <charconv>
#include <fstream>

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

std::string CatalogueMessageService::MessageText(int pID, const std::vector<ParamList>& pParams) {
  if (!mHost.mCatalogueLoaded) {
    std::string path = mHost.Options().dataDir + "/messages.txt";
    std::ifstream in(path);
    if (!in) throw RuntimeError("File not found", "message catalogue '" + path + "' cannot be read");
    mHost.mCatalogue = ParseCatalogue(in, path);
    mHost.mCatalogueLoaded = true;
  }
  auto it = mHost.mCatalogue.find(pID);
  if (it == mHost.mCatalogue.end()) {
    throw RuntimeError("Message not found", "message " + std::to_string(pID) + " is not in the catalogue");
  }
  return SubstituteParams(it->second, pParams.empty() ? ParamList{} : pParams.front());
}

int CatalogueMessageService::ShowMessage(int pID, const std::vector<ParamList>& pParams) {
  mHost.Notice(MessageText(pID, pParams));
  return kMsgBoxOk;
}

}  // namespace brisklet
