// Registers the text commands with the host's command table at load time.
#include "commands/mtext_commands.h"
#include "commands/single_line_text_commands.h"
#include "commands/text_commands.h"
#include "platform/host/HostModule.h"

namespace {

int create_justifytext(ICmdProcess** out) { return hostCreateCommand<CJustifyTextCmd>(out); }
int create_tjust(ICmdProcess** out) { return hostCreateCommand<CTJustCmd>(out); }
int create_text2mtext(ICmdProcess** out) { return hostCreateCommand<CText2MTextCmd>(out); }
int create_textfit(ICmdProcess** out) { return hostCreateCommand<CTextFitCmd>(out); }
int create_tcase(ICmdProcess** out) { return hostCreateCommand<CTCase>(out); }
int create_mtextedit(ICmdProcess** out) { return hostCreateCommand<CMTextEditCmd>(out); }
int create_editmtextcontents(ICmdProcess** out) { return hostCreateCommand<CEditMTextContentsCmd>(out); }
int create_mtextcreate(ICmdProcess** out) { return hostCreateCommand<CMTCreateCmd>(out); }
int create_dtext(ICmdProcess** out) { return hostCreateCommand<CDTextCmd>(out); }
int create_text(ICmdProcess** out) { return hostCreateCommand<CTextCreateCmd>(out); }
int create_ddedit(ICmdProcess** out) { return hostCreateCommand<CTextEditCmd>(out); }

// Name, creator, group and the host's command flags.
const host_command_registration registrations[] = {
    {u"justifytext", &create_justifytext, u"HOST", 6},
    {u"TJust", &create_tjust, u"HOST", 2},
    {u"Text2MText", &create_text2mtext, u"HOST", 2},
    {u"TextFit", &create_textfit, u"HOST", 2},
    {u"TCase", &create_tcase, u"HOST", 2},
    {u"MTextEdit", &create_mtextedit, u"HOST", 2},
    {u"_editmtextcontents", &create_editmtextcontents, u"HOST", 4},
    {u"MTextCreate", &create_mtextcreate},
    {u"dText", &create_dtext},
    {u"-Text", &create_text},
    {u"ddEdit", &create_ddedit, u"HOST", 2},
};

}  // namespace

bool textCommandsRegistered() {
  for (const host_command_registration& r : registrations)
    if (!r.registered) return false;
  return true;
}
