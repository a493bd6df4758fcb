// The commands that open the in-place editor — "MTextEdit" and
// "_editmtextcontents" on selected texts, "MTextCreate" on a new MText
// framed by two corners — and the exported entry points of editing and of
// pasting clipboard text into the drawing.
//
// Every edit ends in a result code (mtext_edit_result); an edit that is
// not saved leaves the object as it was. A new MText is appended to the
// drawing only once its edit was saved.
#pragma once

#include <optional>

#include "commands/mtext_editor_run.h"
#include "platform/host/HostCmdProcessBase.h"
#include "platform/host/HostEdInputTracker.h"
#include "platform/host/IHostUnknown.h"

class CMTextEditCmd : public HostCmdProcessBase {
protected:
  int execute() override;
};

// "_editmtextcontents": the same edit under its own registration.
class CEditMTextContentsCmd : public CMTextEditCmd {};

class CMTCreateCmd : public HostCmdProcessBase {
protected:
  int execute() override;
};

// The rubber-band preview of MTextCreate: the sample contents "ABC" in the
// new MText at the first corner and a closed frame (colour 7, linetype
// Continuous) from the first corner to the cursor, in the MText's plane.
class MTPreviewTracker : public HostEdPointTracker {
public:
  explicit MTPreviewTracker(OdDbMTextPtr text);
  ~MTPreviewTracker() override;
  int attach(IHostView* view) override;
  void detach(IHostView* view) override;

  // The corner the frame starts from (the first corner once it is picked).
  void setCorner(const OdGePoint3d& corner);
  // The frame's four vertices in order, empty before the cursor was seen.
  std::vector<OdGePoint3d> frameVertices() const;
  const OdDbMTextPtr& mtext() const { return m_text; }

protected:
  void trackPoint(const OdGePoint3d& point) override;

private:
  void addToView();

  IHostView* m_view = nullptr;
  OdDbMTextPtr m_text;
  OdGiDrawablePtr m_frame;       // made on the first cursor update
  OdGePoint3d m_cursor, m_corner;
  bool m_seen = false;
  bool m_cornerSet = false;       // until then the text follows the cursor
  OdGeVector3d m_normal;
};

// What the creation of a new MText is given besides the MText.
struct mtext_creation {
  std::optional<OdGePoint3d> first;   // the first corner, not asked for
  std::optional<double> width;        // no opposite corner: the frame is this wide
  HostEdInputTracker* tracker = nullptr;  // the preview; an MTPreviewTracker when null
};
enum class mtext_creation_end { created, cancelled, ended };

// The creation step of MTextCreate: the corners not given, over the preview,
// then the editor on `text` in that frame. Nothing is appended; created
// means the typed text was saved, ended that a corner prompt ended otherwise
// than by a point or a cancel.
mtext_creation_end createMTextByCorners(IHostAppServices& host, const OdDbMTextPtr& text, const mtext_creation& how);

// A new MText `*width` wide in `db` (its height by MTextCreate's rules, in
// `styleId` or the current style) from a first corner the user picks; `made`
// receives it, not appended. True when created; `cancelled` tells a cancel.
bool newMTextAtt(OdDbDatabase* db, IHostAppServices* input, const OdDbObjectId& styleId, const double* width,
                 bool* cancelled, HostEdInputTracker* tracker, OdDbMTextPtr* made);
// `text` made by the caller, created as in MTextCreate with what is given
// (first corner, width; a height above 0 and a style replace its own).
// True when created; `made` receives it, not appended.
bool newMTextEmbedded(const OdDbMTextPtr& text, IHostAppServices* input, HostEdInputTracker* tracker,
                      const OdDbObjectId& styleId, bool firstGiven, const OdGePoint3d& first, const double* width,
                      double height, bool widthGiven, bool* cancelled, OdDbMTextPtr* made);

// A table cell as its text's editor needs it.
struct mtext_cell {
  double width = 0.0;  // drawing units the text fills across; 0 keeps the text's own width
};
// Edits the MText of a table cell laid out across the cell; after the end,
// `contents` and `height` (may be null) receive the text's contents and the
// height it needs. Answers the edit result code.
int editMTextCell(OdDbMText* text, IHostAppServices* input, const mtext_editor_options& options,
                  const mtext_cell& cell, OdString* contents, double* height);

// Edits the selected objects (pick-first, else "Select MText object") one
// after another; `contents` receives the final contents of the last one.
// False when exactly one object was selected and it was edited.
bool editMTextCurrentSelection(OdString& contents);
// Edits one object by id, prompting as for one object; `reference` (may be
// null) is released before returning. False when the object was edited
// (codes 0 and 2).
bool editMTextById(const OdDbObjectId& id, IHostAppServices* input, IHostUnknown* reference,
                   const mtext_editor_options& options = {});
// Edits one MText (in a drawing or not); `result` (may be null) receives
// the edit result code. True when the edit ended with code 1.
bool editMText(OdDbMText* text, IHostAppServices* input, IHostUnknown* reference, int* result,
               const mtext_editor_options& options = {});

// With `queryOnly`, whether the clipboard holds text (plain or "MText");
// otherwise makes a Text (one plain line) or an MText (several lines, or
// "MText" content) from it and lets the user place it; false when there
// was nothing to paste.
bool PasteText(bool queryOnly);
