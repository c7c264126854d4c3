// focara studio against hostile clients: whatever a request holds, it gets an
// answer of valid JSON, and the session and its document live on.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <httplib.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <nlohmann/json.hpp>
#include <thread>

#include "studio/web/StudioServer.h"
#include "studio/web/UndoBudget.h"

using nlohmann::json;
using studio::web::StudioOptions;
using studio::web::StudioServer;

namespace {

class HostileClient : public ::testing::Test {
protected:
    HostileClient()
    {
        StudioOptions o;
        o.seed = 1;
        o.plugin = FOCARA_PLUGIN_PATH;
        server = std::make_unique<StudioServer>(std::move(o));
    }

    struct Answer {
        int status = 0;
        std::string body;
    };
    // The request in bytes, answered in process; the server is not bound, so its own host names port 0.
    Answer send(const std::string& request)
    {
        std::string raw = server->answerBytes(request);
        Answer answer;
        if (raw.size() > 12) answer.status = std::stoi(raw.substr(9, 3));
        size_t body = raw.find("\r\n\r\n");
        if (body != std::string::npos) answer.body = raw.substr(body + 4);
        return answer;
    }
    Answer post(const std::string& path, const std::string& body)
    {
        return send("POST " + path + " HTTP/1.1\r\nHost: 127.0.0.1:0\r\nContent-Length: " +
                    std::to_string(body.size()) + "\r\n\r\n" + body);
    }
    json state() { return json::parse(send("GET /api/state HTTP/1.1\r\nHost: 127.0.0.1:0\r\n\r\n").body); }

    std::unique_ptr<StudioServer> server;
};

TEST_F(HostileClient, BytesThatAreNotTextGetAnAnswerOfValidTextAndTheSessionLivesOn)
{
    post("/api/filter", "");
    post("/api/dialog", "ok");
    ASSERT_EQ(state()["document"]["paths"], 30);
    struct Row {
        const char* path;
        std::string body;
        int status;
    } rows[] = {
        {"/api/document", "{\"layers\": [1, \xff]}", 400},
        {"/api/document", "{\"layers\": [{\"name\": \"\xc3\x28\"}]}", 400},
        {"/api/document", std::string("{\"a\x01\": 1}\x00", 10), 400},
        {"/api/dialog", "\xff\xfe", 400},
        {"/api/dialog", "set 11 \x1b[31m", 400},
    };
    for (const Row& row : rows) {
        Answer answer = post(row.path, row.body);
        EXPECT_EQ(answer.status, row.status) << row.path << " " << answer.body;
        json body = json::parse(answer.body);  // throws on bytes that are not UTF-8
        std::string error = body["error"];
        EXPECT_FALSE(error.empty());
        for (char c : error) EXPECT_GE(static_cast<unsigned char>(c), 0x20) << error;
    }
    EXPECT_EQ(state()["document"]["paths"], 30) << "the document is as it was";
}

TEST_F(HostileClient, RefusesChunkedBodiesAndRequestsWithTwoHosts)
{
    std::string chunked =
        "POST /api/document HTTP/1.1\r\nHost: 127.0.0.1:0\r\nTransfer-Encoding: chunked\r\n\r\n2\r\n{}\r\n0\r\n\r\n";
    EXPECT_EQ(send(chunked).status, 411);
    EXPECT_EQ(send("GET /api/state HTTP/1.1\r\nHost: 127.0.0.1:0\r\nHost: attacker.example\r\n\r\n").status, 403);
    EXPECT_EQ(send("GET /api/state HTTP/1.1\r\nHost: attacker.example\r\nHost: 127.0.0.1:0\r\n\r\n").status, 403);
    EXPECT_EQ(send("GET /api/state HTTP/1.1\r\nHost: 127.0.0.1:0\r\n\r\n").status, 200);
}

// Clients that send half a request and then nothing hold a worker each; a
// page's request must still be answered at once.
TEST(StudioSlowClients, ManyStalledConnectionsDoNotStallThePage)
{
    StudioOptions o;
    o.plugin = FOCARA_PLUGIN_PATH;
    StudioServer server(std::move(o));
    int port = server.bind(0);
    std::thread serving([&] { server.run(); });
    std::vector<int> stalled;
    for (int i = 0; i < 40; ++i) {
        int fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(static_cast<uint16_t>(port));
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ASSERT_EQ(::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        const char half[] = "GET /api/state HTTP/1.1\r\nHo";
        ASSERT_GT(::send(fd, half, sizeof half - 1, 0), 0);
        stalled.push_back(fd);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(200));  // let the server take them all
    httplib::Client client(StudioServer::kAddress, port);
    client.set_read_timeout(std::chrono::seconds(1));
    auto answer = client.Get("/api/state");
    EXPECT_TRUE(answer && answer->status == 200) << "the page waited behind stalled connections";
    for (int fd : stalled) ::close(fd);
    server.stop();
    serving.join();
}

TEST(StudioUndo, KeepsAsManyDocumentsAsTheMemoryBoundAllowsAndAlwaysTheNewest)
{
    auto documentOf = [](size_t segments) {
        studio::Document d;
        d.newPath(kPlaceAboveAll, nullptr).segments.resize(segments);
        return d;
    };
    size_t big = studio::web::documentBytes(documentOf(1000));
    EXPECT_GT(big, 1000 * sizeof(AIPathSegment));
    struct Row {
        size_t count, maxCount, maxBytes, kept;
    } rows[] = {
        {10, 50, 100 * big, 10},                                        // within both bounds
        {10, 4, 100 * big, 4},                                          // the count bounds it
        {10, 50, 3 * studio::web::documentBytes(documentOf(1010)), 3},  // the memory bounds it
        {10, 50, 1, 1},                                                 // the newest stays whatever its size
    };
    for (const Row& row : rows) {
        std::vector<studio::Document> history;
        for (size_t i = 0; i < row.count; ++i) history.push_back(documentOf(1000 + i));
        studio::web::trimUndo(history, row.maxCount, row.maxBytes);
        ASSERT_EQ(history.size(), row.kept);
        EXPECT_EQ(history.back().currentLayer().art.back()->segments.size(), 1000 + row.count - 1) << "newest kept";
    }
}

}  // namespace
