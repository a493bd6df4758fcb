#include "ui/toolbar_profile.h"

namespace ui {

namespace {
constexpr const char16_t* section = u"TXPAD";
}

toolbar_position read_toolbar_position(IProfile* profile) {
  const toolbar_position fallback;
  return {hostProfileValue(profile, section, u"ptpos.x", fallback.x).asInt(fallback.x),
          hostProfileValue(profile, section, u"ptpos.y", fallback.y).asInt(fallback.y)};
}

void write_toolbar_position(IProfile* profile, const toolbar_position& at) {
  if (!profile || !profile->openSection(section)) return;
  profile->setValue(u"ptpos.x", at.x);
  profile->setValue(u"ptpos.y", at.y);
}

bool english_icons(IProfile* profile) { return hostProfileValue(profile, section, u"engIcons", 0).asInt() != 0; }

}  // namespace ui
