// What the text commands share: the host's services, printing the module's
// messages, and sorting a selection into Texts and MTexts with objects on
// locked layers counted out.
#pragma once

#include <optional>
#include <vector>

#include "platform/host/IHostAppServices.h"
#include "platform/sdk/OdDbMText.h"
#include "platform/sdk/OdDbText.h"

namespace text_commands {

// Prints a message of the module, translated by the host.
void print(const OdString& message);
// "Filtered objects on locked layers: N" when N is not 0.
void report_locked(int skipped);

struct text_selection {
  std::vector<OdDbObjectId> texts;   // Texts (and their kin: attributes), in selection order
  std::vector<OdDbObjectId> mtexts;
  std::vector<OdDbObjectId> both;    // Texts and MTexts together, in selection order
  int locked = 0;                    // Texts and MTexts left out for their locked layer
  bool empty() const { return both.empty(); }
};

// The Texts and MTexts of a selection; other objects are ignored.
text_selection sort_selection(const std::vector<OdDbObjectId>& ids);

// The prompt "Selects text objects" (selection flags 65536) that TJust,
// Text2MText and TCase open with: the Texts and MTexts picked, with those on
// locked layers reported; nothing when the selection was cancelled.
std::optional<text_selection> select_texts(IHostAppServices& host);

bool is_text(const OdDbObject* object);
bool is_mtext(const OdDbObject* object);
// Attributes and attribute definitions: Texts that belong to a block.
bool is_attribute(const OdDbObject* object);

}  // namespace text_commands
