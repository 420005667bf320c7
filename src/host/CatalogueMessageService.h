// Default message service over the numbered catalogue data/messages.txt
// (one "number<TAB>text" per line; %1, %2 ... stand for the parameters).
#pragma once
#include <istream>
#include <map>

#include "host/MessageService.h"

namespace brisklet {

class DefaultHost;

class CatalogueMessageService : public MessageService {
 public:
  explicit CatalogueMessageService(DefaultHost& host) : mHost(host) {}
  int ShowMessage(int pID, const std::vector<ParamList>& pParams) override;
  std::string MessageText(int pID, const std::vector<ParamList>& pParams) override;

 private:
  DefaultHost& mHost;
};

// The messages of a catalogue: lines "number<TAB>text"; blank lines, lines starting with '#'
// and lines without a tab are comments. A number that is not a 32-bit whole number is an
// error naming the catalogue and the line.
std::map<int, std::string> ParseCatalogue(std::istream& in, const std::string& name);

// Replaces %1, %2 ... by the parameters' texts.
std::string SubstituteParams(const std::string& text, const ParamList& params);

}  // namespace brisklet
