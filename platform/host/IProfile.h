// IProfile: the host's persistent settings, in named sections of named values.
#pragma once

#include <vector>

#include "platform/host/CHostVariant.h"

class IProfile {
public:
  virtual ~IProfile() = default;
  // Opens `section` (e.g. "TXPAD") for the calls below; with `create` a
  // missing section is made, else false is answered and nothing opens.
  virtual bool openSection(const OdString& section, bool create = true) = 0;
  // The value in the open section, or an empty variant.
  virtual CHostVariant getValue(const OdString& name) = 0;
  // Sets a value in the open section; false when no section is open.
  virtual bool setValue(const OdString& name, const CHostVariant& value) = 0;
  virtual std::vector<OdString> valueNames() = 0;
};

// A profile value with the module's default when the host has none stored:
//   hostProfileValue(profile, u"TXPAD", u"ptpos.x", 200)
CHostVariant hostProfileValue(IProfile* profile, const OdString& section, const OdString& name,
                              const CHostVariant& fallback);
