// The single-line Text commands: "dText" and "-Text" create Texts from a
// justification point, a height and a rotation ("dText" typed in place,
// "-Text" answered as a string); "ddEdit" edits Texts, attributes and MTexts
// one pick after another.
//
// A new Text is appended to the space the user works in only once its
// text was accepted, so cancelling any prompt leaves the drawing as it was.
#pragma once

#include "platform/host/HostCmdProcessBase.h"

class CTextCreateCmd : public HostCmdProcessBase {
public:
  explicit CTextCreateCmd(bool inPlace = false) : m_inPlace(inPlace) {}

protected:
  int execute() override;

private:
  bool m_inPlace;  // "dText": typed in the in-place editor
};

// "dText": the creation command typing in place.
class CDTextCmd : public CTextCreateCmd {
public:
  CDTextCmd() : CTextCreateCmd(true) {}
};

class CTextEditCmd : public HostCmdProcessBase {
protected:
  int execute() override;
};
