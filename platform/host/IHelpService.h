// IHelpService: shows the host's help on a topic, e.g. "IDH_MTextCreate".
#pragma once

#include "platform/sdk/OdString.h"

class IHelpService {
public:
  virtual ~IHelpService() = default;
  // Answers false when the host has no help for the topic.
  virtual bool showHelp(const OdString& topic) = 0;
};
