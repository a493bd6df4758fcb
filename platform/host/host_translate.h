// Supp_Translate: the host's translation of an English message. Without a
// catalogue it answers the message itself.
#pragma once

#include <map>

#include "platform/sdk/OdString.h"

OdString Supp_Translate(const OdString& english);
// Installs a catalogue (English -> translated); an empty map removes it.
void hostSetTranslationCatalog(std::map<OdString, OdString> catalogue);
