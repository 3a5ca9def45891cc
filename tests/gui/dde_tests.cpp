// The DDE Services page against real DDE peers: Wine's shell as "Progman",
// the page's own server through its own client, a server on its own thread.
#include <windows.h>
#include <ddeml.h>
#include <tlhelp32.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "core/TextHelpers.h"
#include "dde/DdePage.h"
#include "gui/support/Harness.h"
#include "ui/Form.h"

using namespace testing_support;
using Lines = std::vector<std::string>;

namespace {

// Handles messages until `done` holds; the bound only ends a hang, just
// inside CTest's time-out.
bool PumpUntil(const std::function<bool()>& done) {
    const DWORD start = ::GetTickCount();
    while (!done() && ::GetTickCount() - start < 240000) {
        ui::PumpMessages();
        ::Sleep(10);
    }
    return done();
}

int ChildProcesses() {
    int count = 0;
    ui::KernelHandle snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = ::Process32First(snapshot.Get(), &entry); more;
         more = ::Process32Next(snapshot.Get(), &entry))
        count += entry.th32ParentProcessID == ::GetCurrentProcessId();
    return count;
}

HDDEDATA CALLBACK Ignore(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR) noexcept {
    return nullptr;
}

// Whether a server answers the service and topic, asked without the page,
// which would start a program named after the service when none does.
bool Answers(const char* service, const char* topic) {
    DWORD id = 0;
    if (::DdeInitializeA(&id, &Ignore, APPCMD_CLIENTONLY, 0) != DMLERR_NO_ERROR) return false;
    HSZ s = ::DdeCreateStringHandleA(id, service, CP_WINANSI);
    HSZ t = ::DdeCreateStringHandleA(id, topic, CP_WINANSI);
    HCONV conv = ::DdeConnect(id, s, t, nullptr);
    if (conv) ::DdeDisconnect(conv);
    ::DdeFreeStringHandle(id, s);
    ::DdeFreeStringHandle(id, t);
    ::DdeUninitialize(id);
    return conv != nullptr;
}

HANDLE heldAnswer;  // once set, the server of any topic below grants a hot link
HDDEDATA CALLBACK HoldHotLink(UINT type, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR,
                              ULONG_PTR) noexcept {
    if (type == XTYP_ADVSTART) ::WaitForSingleObject(heldAnswer, 240000);
    return reinterpret_cast<HDDEDATA>(type == XTYP_CONNECT || type == XTYP_ADVSTART);
}

class Dde : public ProgramTest {
protected:
    void SetUp() override { Start(); }
    zarvik::DdePage& Page() { return On<zarvik::DdePage>(); }
    void OpenLink(const std::string& service, const std::string& topic) {
        Page().Edit14.SetText(service);
        Page().Edit15.SetText(topic);
        Click(Page().Button40);
    }
    std::string LastMessage() {
        return prompts.Messages().empty() ? std::string() : prompts.Messages().back();
    }
};

TEST_F(Dde, WithoutNamesOrConversationNothingIsSentOrStarted) {
    const int children = ChildProcesses();
    OpenLink("", "");
    EXPECT_EQ(prompts.Messages(), Lines{"Link Open Failed"});
    EXPECT_EQ(prompts.asked.back().title, "Zarvik v1.1");
    EXPECT_FALSE(Page().Linked());
    EXPECT_EQ(ChildProcesses(), children) << "no program is started";

    Page().Edit19.SetText("Groups");
    Click(Page().Button46);
    EXPECT_EQ(Page().Edit19.Text(), "");
    Page().Edit13.SetText("Server");
    Page().Edit17.SetText("x");
    Click(Page().Button42);
    Click(Page().Button44);
    EXPECT_FALSE(Page().Busy()) << "nothing was sent";
    EXPECT_EQ(Page().Memo20.Text(), "");
    OpenLink(std::string(256, 's'), "System");  // fails as any name no server answers
    EXPECT_EQ(prompts.Messages(), (Lines{"Link Open Failed", "Link Open Failed"}));
    EXPECT_TRUE(prompts.Errors().empty());
}

TEST_F(Dde, WhenNoServerAnswersTheServiceIsStartedWithTheTopic) {
    const std::string marker = root / "started.txt";
    OpenLink("cmd", "/c echo started>" + marker);
    EXPECT_EQ(LastMessage(), "Link Open Failed") << "cmd serves no DDE";
    EXPECT_TRUE(PumpUntil([&] { return Exists(marker); })) << "cmd /c ran";
    EXPECT_TRUE(PumpUntil([&] { return ChildProcesses() == 0; }));
    EXPECT_FALSE(Page().Linked());
}

TEST_F(Dde, RequestsTheGroupsOfWinesProgramManager) {
    if (!Answers("Progman", "Progman")) GTEST_SKIP() << "Wine's shell does not serve Progman here";
    OpenLink("Progman", "Progman");
    ASSERT_EQ(LastMessage(), "Link Opened Successfully");
    EXPECT_TRUE(Page().Linked());
    Page().Edit19.SetText("Groups");
    Click(Page().Button46);
    // One line per folder of the Start menu's programs; every prefix has StartUp.
    const Lines groups = zarvik::SplitLines(Page().Edit19.Text());
    EXPECT_NE(std::find(groups.begin(), groups.end(), "StartUp"), groups.end())
        << Page().Edit19.Text();

    Click(Page().Button41);
    EXPECT_FALSE(Page().Linked());
    Page().Edit19.SetText("Groups");
    Click(Page().Button46);
    EXPECT_EQ(Page().Edit19.Text(), "") << "no conversation after Close Link";
}

TEST_F(Dde, TheClientWorksThePagesOwnServer) {
    auto& p = Page();
    ASSERT_EQ(p.ServiceName(), "dde_tests");
    OpenLink(p.ServiceName(), "SYSTEM");
    ASSERT_EQ(LastMessage(), "Link Opened Successfully");
    ASSERT_TRUE(PumpUntil([&] { return !p.Memo20.Lines().empty(); }));
    EXPECT_EQ(p.Memo20.Lines(), Lines{"Accepted incoming connection."});

    // Poke Data Lines: the item is hot-linked first, so the poke comes back.
    p.Edit13.SetText("Server");
    p.Memo15.SetLines({"a", "b"});
    Click(p.Button43);
    ASSERT_TRUE(PumpUntil([&] { return p.Memo18.Text() == "a" && !p.Busy(); }));
    EXPECT_EQ(p.Memo20.Lines(), (Lines{"Accepted incoming connection.", "---->a", "---->b"}));
    EXPECT_TRUE(PumpUntil([&] { return p.Memo16.Text() == "a"; })) << p.Memo16.Text();

    p.Edit18.SetText("[Open(\"x\")]");
    Click(p.Button44);
    ASSERT_TRUE(PumpUntil([&] { return !p.Busy(); }));
    EXPECT_EQ(p.Memo17.Text(), "[Open(\"x\")]");

    p.Memo19.SetLines({"one", "two", "three"});
    Click(p.Button45);
    EXPECT_EQ(p.Server.lines, Lines{"one\r\ntwo\r\nthree"});
    const Lines log = p.Memo20.Lines();
    EXPECT_EQ(Lines(log.end() - 3, log.end()), (Lines{"<----one", "<----two", "<----three"}));
    EXPECT_TRUE(PumpUntil([&] { return p.Memo16.Text() == "one"; })) << "advised on reply";

    p.Edit19.SetText("Server");
    Click(p.Button46);
    EXPECT_EQ(p.Edit19.Text().substr(0, 3), "one");
    p.Edit19.SetText("Other");
    Click(p.Button46);
    EXPECT_EQ(p.Edit19.Text(), "") << "another item is refused";
    for (const std::string& item : {std::string(), std::string(256, 'i')})
        p.Edit19.SetText(item), Click(p.Button46);  // nothing to ask for: Edit19 empties
    EXPECT_TRUE(prompts.Errors().empty());

    Click(p.Button41);
    ASSERT_TRUE(PumpUntil([&] { return p.Memo20.Lines().back() == "Connection closed at clients request."; }));
}

TEST_F(Dde, OpenLinkReturnsWhileTheServerHoldsItsHotLinkAnswer) {
    ui::KernelHandle release(::CreateEventA(nullptr, TRUE, FALSE, nullptr));
    heldAnswer = release.Get();
    std::atomic<bool> done{false};
    std::thread server([&] {  // on its own thread, so that it can hold its answer
        DWORD id = 0;
        ::DdeInitializeA(&id, &HoldHotLink, APPCLASS_STANDARD, 0);
        ::DdeNameService(id, ::DdeCreateStringHandleA(id, "Held", CP_WINANSI), nullptr,
                         DNS_REGISTER);
        while (!done) ui::PumpMessages(), ::Sleep(10);
        ::DdeUninitialize(id);  // frees its string too
    });
    EXPECT_TRUE(PumpUntil([] { return Answers("Held", "T"); }));
    Page().Edit13.SetText("Server");
    Click(Page().Button42);  // without a conversation this only names the item
    OpenLink("Held", "T");
    EXPECT_TRUE(Page().Busy() && !Page().DdeClientItem1.linked) << "returned before the answer";
    ::SetEvent(release.Get());
    EXPECT_TRUE(PumpUntil([&] { return !Page().Busy(); }));
    EXPECT_TRUE(Page().DdeClientItem1.linked);
    EXPECT_EQ(prompts.Messages(), Lines{"Link Opened Successfully"});
    Click(Page().Button41);
    done = true;
    server.join();
}

}  // namespace
