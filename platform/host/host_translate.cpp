// Message translation through an optional catalogue.
#include "platform/host/host_translate.h"

namespace {

std::map<OdString, OdString>& catalogue() {
  static std::map<OdString, OdString> messages;
  return messages;
}

}  // namespace

OdString Supp_Translate(const OdString& english) {
  const auto& messages = catalogue();
  auto it = messages.find(english);
  return it == messages.end() ? english : it->second;
}

void hostSetTranslationCatalog(std::map<OdString, OdString> messages) {
  catalogue() = std::move(messages);
}
