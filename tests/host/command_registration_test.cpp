// Commands registered at load time through the exported factory, and the
// life of a command object as the host runs it.
#include "platform/host/HostCmdProcessBase.h"
#include "platform/host/HostCmdRegistry.h"
#include "platform/host/host_current.h"
#include "tests/host/host_fixture.h"

namespace {

TEST(CommandRegistration, StaticRegistrationsReachTheHostTable) {
  EXPECT_TRUE(probeRegistered());
  EXPECT_TRUE(shiftRegistered());
  const host_command_entry* probe = HostCmdRegistry::instance().find(u"testprobe");
  ASSERT_NE(probe, nullptr);
  EXPECT_EQ(probe->name, OdString(u"TestProbe"));
  EXPECT_EQ(probe->group, OdString(u"HOST"));
  EXPECT_EQ(probe->flags, 2);
  // The two-argument form registers in HOST with flags 0.
  const host_command_entry* shift = HostCmdRegistry::instance().find(u"TestShift");
  ASSERT_NE(shift, nullptr);
  EXPECT_EQ(shift->group, OdString(u"HOST"));
  EXPECT_EQ(shift->flags, 0);
}

TEST(CommandRegistration, FactoryRefusesDuplicatesEmptyNamesAndNullCreators) {
  ICmdFactory* factory = hostLocateCommandFactory();
  ASSERT_NE(factory, nullptr);
  const host_command_entry* before = HostCmdRegistry::instance().find(u"TestProbe");
  EXPECT_EQ(factory->Register(u"TESTPROBE", before->creator, u"OTHER", 9), 0);
  EXPECT_EQ(HostCmdRegistry::instance().find(u"TestProbe")->group, OdString(u"HOST"));
  EXPECT_EQ(factory->Register(u"", before->creator), 0);
  EXPECT_EQ(factory->Register(u"NoCreator", nullptr), 0);
  EXPECT_EQ(HostCmdRegistry::instance().find(u"NoCreator"), nullptr);
  factory->Release();
}

TEST(CommandRegistration, UnderscoreAndDashPrefixesFindThePlainName) {
  EXPECT_NE(HostCmdRegistry::instance().find(u"_TestProbe"), nullptr);
  EXPECT_NE(HostCmdRegistry::instance().find(u"-testprobe"), nullptr);
  EXPECT_EQ(HostCmdRegistry::instance().find(u"TestProb"), nullptr);
  EXPECT_EQ(HostCmdRegistry::instance().find(u"_"), nullptr);
}

using CommandRun = HostFixture;

TEST_F(CommandRun, CommandObjectIsReleasedAfterRunAndSeesItsDocument) {
  OdDbDatabase* seen = nullptr;
  setProbeBody([&](IHostAppServices& services) {
    seen = services.currentDatabase();
    EXPECT_EQ(liveProbeCommands(), 1);
    EXPECT_EQ(services.getSysVar(u"CMDACTIVE").getInt32(), 1);
    return int(kCmdDone);
  });
  const scripted_outcome outcome = run("TestProbe\n");
  EXPECT_EQ(seen, db.get());
  EXPECT_EQ(liveProbeCommands(), 0);
  EXPECT_EQ(db->getCMDACTIVE(), 0);
  EXPECT_EQ(outcome.results, std::vector<int>{kCmdDone});
  EXPECT_TRUE(outcome.ok());
}

// The context is the document, counted: the command holds it while it runs.
TEST_F(CommandRun, ContextIsTheCountedDocument) {
  setProbeBody([&](IHostAppServices& services) {
    IHostDocument* document = services.currentDocument();
    long refs = document->AddRef();
    document->Release();
    // One reference of the host, one of the command's context, one just taken.
    EXPECT_EQ(refs, 3);
    EXPECT_EQ(document->name(), OdString(u"probe.dxf"));
    return int(kCmdDone);
  });
  run("TestProbe\n");
}

TEST_F(CommandRun, AnExceptionInACommandIsReportedAndCancels) {
  setProbeBody([](IHostAppServices&) -> int { throw std::runtime_error("broken on purpose"); });
  const scripted_outcome outcome = run("TestProbe\n");
  EXPECT_EQ(outcome.results, std::vector<int>{kCmdCancelled});
  EXPECT_TRUE(transcriptHas("Command failed: broken on purpose"));
  EXPECT_EQ(db->getCMDACTIVE(), 0);
}

TEST_F(CommandRun, UnknownCommandIsReportedAndItsAnswersSkipped) {
  const scripted_outcome outcome = run("NoSuchThing\npoint 1,2\n");
  EXPECT_TRUE(transcriptHas("Unknown command \"NoSuchThing\"."));
  ASSERT_EQ(outcome.errors.size(), 1u);
  EXPECT_EQ(outcome.errors[0], "test:1: unknown command \"NoSuchThing\"");
  EXPECT_EQ(outcome.commands, 0);
}

TEST_F(CommandRun, QueryInterfaceAnswersByTypeIdentity) {
  ICmdProcess* command = nullptr;
  ASSERT_EQ(HostCmdRegistry::instance().find(u"TestProbe")->creator(&command), 1);
  ASSERT_NE(command, nullptr);
  ICmdProcess* asProcess = hostQueryInterface<ICmdProcess>(command);
  EXPECT_EQ(asProcess, command);
  EXPECT_EQ(hostQueryInterface<IHostDocument>(command), nullptr);
  EXPECT_EQ(command->Query(), 1);
  EXPECT_EQ(command->Result(), kCmdRunning);
  EXPECT_EQ(command->Result2(), 0);
  EXPECT_EQ(asProcess->Release(), 1);
  EXPECT_EQ(liveProbeCommands(), 1);
  EXPECT_EQ(command->Release(), 0);
  EXPECT_EQ(liveProbeCommands(), 0);
}

TEST(CurrentHost, ServicesFollowTheLivingHost) {
  {
    OdDbDatabasePtr db = OdDbDatabase::createObject();
    scripted_host host(db.get());
    EXPECT_EQ(hostAppServices(), &host.services());
    EXPECT_EQ(hostApp(), &host.app());
  }
  EXPECT_EQ(hostAppServices(), nullptr);
  EXPECT_EQ(hostApp(), nullptr);
  EXPECT_EQ(Get_IEvents(), nullptr);
}

}  // namespace
