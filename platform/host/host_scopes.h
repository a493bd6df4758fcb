// What a host holds for the length of one command or one prompt, given back
// on every path: CMDACTIVE set while a command runs, a prompt's tracker
// attached to the view while the prompt waits.
#pragma once

#include "platform/host/HostEdInputTracker.h"
#include "platform/host/IHostView.h"
#include "platform/sdk/OdDbDatabase.h"

// CMDACTIVE tells the module that a command runs.
class command_active_scope {
public:
  explicit command_active_scope(OdDbDatabase* database) : m_database(database) {
    if (!m_database || !m_database->hasSysVar(u"CMDACTIVE")) return;
    m_old = m_database->getSysVar(u"CMDACTIVE");
    m_database->setSysVar(u"CMDACTIVE", OdResBuf::int16(1));
    m_set = true;
  }
  ~command_active_scope() {
    if (m_set) m_database->setSysVar(u"CMDACTIVE", m_old);
  }
  command_active_scope(const command_active_scope&) = delete;
  command_active_scope& operator=(const command_active_scope&) = delete;

private:
  OdDbDatabase* m_database;
  OdResBuf m_old;
  bool m_set = false;
};

class tracker_attachment {
public:
  tracker_attachment(HostEdInputTracker* tracker, IHostView* view) : m_tracker(tracker), m_view(view) {
    if (m_tracker) m_tracker->attach(m_view);
  }
  ~tracker_attachment() {
    if (m_tracker) m_tracker->detach(m_view);
  }
  tracker_attachment(const tracker_attachment&) = delete;
  tracker_attachment& operator=(const tracker_attachment&) = delete;

private:
  HostEdInputTracker* m_tracker;
  IHostView* m_view;
};
