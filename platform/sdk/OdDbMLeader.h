// OdDbMLeader: a multileader's content — either a multiline text or a block
// with attribute values — as the text tools read and write it.
//
// Leader lines and arrowheads are not modelled; only the content is.
#pragma once

#include <vector>

#include "platform/sdk/OdDbMText.h"

class OdDbMLeader : public OdDbEntity {
  ODRX_DECLARE_MEMBERS(OdDbMLeader);

public:
  enum ContentType : int { kNoneContent = 0, kBlockContent = 1, kMTextContent = 2, kToleranceContent = 3 };
  struct od_block_attribute {
    OdString tag;
    OdString value;
  };

  // How the leader meets its text: at the text's side, or above and below it.
  enum TextAttachmentDirection : int { kAttachmentHorizontal = 0, kAttachmentVertical = 1 };
  // Where a leader meets the side of its text; kAttachmentAllLine also
  // underlines every line of the text.
  enum TextAttachmentType : int { kAttachmentBottomOfTopLine = 7, kAttachmentAllLine = 8 };

  ContentType contentType() const { return m_contentType; }
  void setContentType(ContentType type);

  // A copy of the text content (its own object, not in any database); null
  // when there is none. setMText copies the given text in and makes the
  // content MText.
  OdDbMTextPtr mtext() const;
  void setMText(const OdDbMText* mtext);

  const OdString& blockContentName() const { return m_blockName; }
  // Makes the content the named block.
  void setBlockContentName(const OdString& name);
  const std::vector<od_block_attribute>& blockAttributes() const { return m_attributes; }
  // The value under a tag (any letter case), empty when missing.
  OdString blockAttributeValue(const OdString& tag) const;
  // Sets (or adds) the value under a tag.
  void setBlockAttributeValue(const OdString& tag, const OdString& value);

  TextAttachmentDirection textAttachmentDirection() const { return m_direction; }
  void setTextAttachmentDirection(TextAttachmentDirection direction) { assertWriteEnabled(); m_direction = direction; }
  // The attachment type of leaders on the text's left and right (0 to 8).
  int textLeftAttachmentType() const { return m_leftAttachment; }
  int textRightAttachmentType() const { return m_rightAttachment; }
  void setTextAttachmentTypes(int left, int right);

protected:
  bool subWorldDraw(OdGiWorldDraw* worldDraw) const override;

private:
  ContentType m_contentType = kNoneContent;
  OdDbMTextPtr m_mtext;
  OdString m_blockName;
  std::vector<od_block_attribute> m_attributes;
  TextAttachmentDirection m_direction = kAttachmentHorizontal;
  int m_leftAttachment = 1, m_rightAttachment = 1;
};
using OdDbMLeaderPtr = OdSmartPtr<OdDbMLeader>;
