// The real program as a DDE server, worked by a DDE client in this process.
#include <windows.h>
#include <ddeml.h>

#include <string>

#include <gtest/gtest.h>

#include "e2e/Driver.h"

namespace {

HDDEDATA CALLBACK Ignore(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR) noexcept {
    return nullptr;
}

// A client-only DDE instance with its string handles.
class Client {
public:
    Client() { ::DdeInitializeA(&id_, &Ignore, APPCMD_CLIENTONLY, 0); }
    ~Client() {
        if (conv_) ::DdeDisconnect(conv_);
        for (HSZ h : {service_, topic_, item_, other_})
            if (h) ::DdeFreeStringHandle(id_, h);
        ::DdeUninitialize(id_);
    }
    Client(const Client&) = delete;
    Client& operator=(const Client&) = delete;

    // Tries again until the server answers; not once `server` has ended.
    bool Connect(HANDLE server, const char* service, const char* topic) {
        service_ = ::DdeCreateStringHandleA(id_, service, CP_WINANSI);
        topic_ = ::DdeCreateStringHandleA(id_, topic, CP_WINANSI);
        item_ = ::DdeCreateStringHandleA(id_, "Server", CP_WINANSI);
        other_ = ::DdeCreateStringHandleA(id_, "Other", CP_WINANSI);
        for (int waited = 0; waited < e2e::kHangMs && !conv_; waited += 100) {
            conv_ = ::DdeConnect(id_, service_, topic_, nullptr);
            if (!conv_ && ::WaitForSingleObject(server, 100) != WAIT_TIMEOUT) break;
        }
        return conv_ != nullptr;
    }
    void Disconnect() {
        ::DdeDisconnect(conv_);
        conv_ = nullptr;
    }
    // Whether the server acknowledged it as accepted.
    bool Send(UINT type, const std::string& text, HSZ item) {
        Drain();
        DWORD status = 0;
        return ::DdeClientTransaction(reinterpret_cast<LPBYTE>(const_cast<char*>(text.c_str())),
                                      static_cast<DWORD>(text.size() + 1), conv_, item, CF_TEXT,
                                      type, e2e::kHangMs, &status) != nullptr &&
               (status & DDE_FACK);
    }
    // The text answered, or "(refused)".
    std::string Request(HSZ item, UINT format) {
        Drain();
        HDDEDATA data =
            ::DdeClientTransaction(nullptr, 0, conv_, item, format, XTYP_REQUEST, e2e::kHangMs, nullptr);
        if (!data) return "(refused)";
        DWORD size = 0;
        const char* bytes = reinterpret_cast<const char*>(::DdeAccessData(data, &size));
        std::string text(bytes, size);
        ::DdeUnaccessData(data);
        ::DdeFreeDataHandle(data);
        return text.substr(0, text.find('\0'));
    }
    HSZ Item() const { return item_; }
    HSZ Other() const { return other_; }

private:
    // Wine's server sends an acknowledgement beside the data that answers a
    // request; left queued, it would be taken for the next transaction's
    // answer, so it is handled before each one.
    static void Drain() {
        ::Sleep(100);
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
    }

    DWORD id_ = 0;
    HSZ service_ = nullptr, topic_ = nullptr, item_ = nullptr, other_ = nullptr;
    HCONV conv_ = nullptr;
};

// The control laid out directly after the label of that text.
HWND After(HWND main, const std::string& label) {
    HWND l = e2e::Driver::FindChild(main, label);
    return l ? ::GetWindow(l, GW_HWNDNEXT) : nullptr;
}

// Stops at once when the program has ended: the text cannot come any more.
bool WaitForText(const e2e::Driver& program, HWND control, const std::string& text) {
    for (int waited = 0; waited < e2e::kHangMs; waited += 50) {
        if (e2e::Driver::TextOf(control) == text) return true;
        if (::WaitForSingleObject(program.Process(), 50) != WAIT_TIMEOUT) return false;
    }
    return false;
}

TEST(RealProgram, ServesTheSystemTopicUnderItsName) {
    e2e::Driver program(e2e::ProgramPath());
    HWND question = program.WaitForWindow("Zarvik v1.1", true);
    ASSERT_NE(question, nullptr);
    e2e::Driver::Answer(question, IDNO);
    HWND main = program.WaitForMainWindow("Zarvik v1.1");
    ASSERT_NE(main, nullptr);
    HWND macro = After(main, "Macro Data Recieved");
    HWND poked = After(main, "Poked Data Recieved");
    HWND log = After(main, "Log");
    HWND reply = ::GetWindow(e2e::Driver::FindChild(main, "<-------"), GW_HWNDPREV);
    HWND sendReply = e2e::Driver::FindChild(main, "Send Reply");
    ASSERT_TRUE(macro && poked && log && reply && sendReply);

    {
        Client client;
        ASSERT_TRUE(client.Connect(program.Process(), "zarvik", "System")) << "no server \"zarvik\"";
        EXPECT_TRUE(WaitForText(program, log, "Accepted incoming connection."));

        EXPECT_TRUE(client.Send(XTYP_POKE, "a\r\nb\r\n", client.Item()));
        EXPECT_TRUE(WaitForText(program, poked, "a"));
        EXPECT_EQ(e2e::Driver::TextOf(log),
                  "Accepted incoming connection.\r\n---->a\r\n---->b");
        EXPECT_FALSE(client.Send(XTYP_POKE, "c", client.Other())) << "only \"Server\" is served";

        EXPECT_TRUE(client.Send(XTYP_EXECUTE, "[FileOpen(\"x.txt\")]", nullptr));
        EXPECT_TRUE(WaitForText(program, macro, "[FileOpen(\"x.txt\")]"));

        ::SendMessageA(reply, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("one\r\ntwo\r\nthree"));
        e2e::Driver::Press(sendReply);
        EXPECT_TRUE(WaitForText(program, log,
                                "Accepted incoming connection.\r\n---->a\r\n---->b\r\n"
                                "<----one\r\n<----two\r\n<----three"));
        EXPECT_EQ(client.Request(client.Item(), CF_TEXT), "one\r\ntwo\r\nthree\r\n");
        EXPECT_EQ(client.Request(client.Other(), CF_TEXT), "(refused)");
        EXPECT_EQ(client.Request(client.Item(), CF_BITMAP), "(refused)") << "text only";

        const std::string closed =
            e2e::Driver::TextOf(log) + "\r\nConnection closed at clients request.";
        client.Disconnect();
        EXPECT_TRUE(WaitForText(program, log, closed));
    }

    e2e::Driver::Press(e2e::Driver::FindChild(main, "Quit Zarvik v1.1"));
    HWND confirm = program.WaitForWindow("Zarvik v1.1", true);
    ASSERT_NE(confirm, nullptr);
    e2e::Driver::Answer(confirm, IDYES);
    EXPECT_EQ(program.WaitForExit(), 0);
}

}  // namespace
