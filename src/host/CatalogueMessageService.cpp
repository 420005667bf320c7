// Message texts from the catalogue; showing one is a notice, never a modal box.
#include "host/CatalogueMessageService.h"

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

std::string CatalogueMessageService::MessageText(int pID, const std::vector<ParamList>& pParams) {
  if (!mHost.mCatalogueLoaded) {
    std::string path = mHost.Options().dataDir + "/messages.txt";
    std::ifstream in(path);
    if (!in) throw RuntimeError("File not found", "message catalogue '" + path + "' cannot be read");
    std::string line;
    while (std::getline(in, line)) {
      size_t tab = line.find('\t');
      if (line.empty() || line[0] == '#' || tab == std::string::npos) continue;
      mHost.mCatalogue[std::stoi(line.substr(0, tab))] = line.substr(tab + 1);
    }
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
