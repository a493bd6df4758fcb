// HostCmdProcessBase: the reference counting, context and result keeping
// that every command object shares; a command only writes `execute`.
//
//   class CTJustCmd : public HostCmdProcessBase {
//     int execute() override;   // answers kCmdDone, kCmdCancelled or kCmdRunning
//   };
//   int createTJust(ICmdProcess** out) { return hostCreateCommand<CTJustCmd>(out); }
#pragma once

#include <new>

#include "platform/host/ICmdProcess.h"

class HostCmdProcessBase : public ICmdProcess {
public:
  HostCmdProcessBase() = default;
  HostCmdProcessBase(const HostCmdProcessBase&) = delete;
  HostCmdProcessBase& operator=(const HostCmdProcessBase&) = delete;
  virtual ~HostCmdProcessBase();

  long AddRef() override { return ++m_refs; }
  long Release() override;
  // Answers IHostUnknown and ICmdProcess.
  bool QueryInterface(const std::type_info& type, void** out) override;

  // Runs `execute`, keeping its answer; an escaping exception becomes a
  // message through the host and the result kCmdCancelled.
  int Run() override;
  int Result() const override { return m_result; }
  int Result2() const override { return m_result2; }
  int Query() const override { return 1; }
  IHostUnknown* GetContext() override;
  void SetContext(IHostUnknown* context) override;
  void Destroy() override;

protected:
  virtual int execute() = 0;
  void setResult2(int value) { m_result2 = value; }

private:
  long m_refs = 1;
  int m_result = kCmdRunning;
  int m_result2 = 0;
  IHostUnknown* m_context = nullptr;
};

// The creator of command class C, for the command factory.
template <class C>
int hostCreateCommand(ICmdProcess** out) {
  if (!out) return 0;
  *out = new (std::nothrow) C();
  return *out ? 1 : 0;
}
