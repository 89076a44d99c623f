// torvo-cli uci driven through pipes, as a chess interface drives it.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

class UciProcess {
public:
    UciProcess() {
        int toChild[2], fromChild[2];
        if (pipe(toChild) != 0 || pipe(fromChild) != 0) return;
        m_pid = fork();
        if (m_pid == 0) {
            dup2(toChild[0], STDIN_FILENO);
            dup2(fromChild[1], STDOUT_FILENO);
            close(toChild[1]);
            close(fromChild[0]);
            execl(TORVO_CLI, TORVO_CLI, "uci", static_cast<char*>(nullptr));
            _exit(127);
        }
        close(toChild[0]);
        close(fromChild[1]);
        m_in = toChild[1];
        m_out = fromChild[0];
    }

    ~UciProcess() {
        if (m_in >= 0) close(m_in);
        if (m_out >= 0) close(m_out);
        if (m_pid > 0 && !m_reaped) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, nullptr, 0);
        }
    }

    bool Started() const { return m_pid > 0 && m_in >= 0; }

    void Send(const std::string& line) {
        const std::string text = line + "\n";
        ASSERT_EQ(write(m_in, text.data(), text.size()), static_cast<ssize_t>(text.size()));
    }

    // The next line, or "<timeout>" when none comes within the time.
    std::string Line(int millis = 10000) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(millis);
        for (;;) {
            const size_t end = m_buffer.find('\n');
            if (end != std::string::npos) {
                std::string line = m_buffer.substr(0, end);
                m_buffer.erase(0, end + 1);
                return line;
            }
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                                  deadline - std::chrono::steady_clock::now()).count();
            if (left <= 0) return "<timeout>";
            pollfd pfd{m_out, POLLIN, 0};
            if (poll(&pfd, 1, static_cast<int>(left)) <= 0) continue;
            char chunk[4096];
            const ssize_t n = read(m_out, chunk, sizeof chunk);
            if (n <= 0) return "<eof>";
            m_buffer.append(chunk, static_cast<size_t>(n));
        }
    }

    // Lines up to and including the first one that starts with prefix.
    std::vector<std::string> Until(const std::string& prefix, int millis = 10000) {
        std::vector<std::string> lines;
        for (;;) {
            lines.push_back(Line(millis));
            if (lines.back().rfind(prefix, 0) == 0 || lines.back()[0] == '<') return lines;
        }
    }

    void CloseInput() {
        if (m_in >= 0) close(m_in);
        m_in = -1;
    }

    int Wait() {
        CloseInput();
        int status = 0;
        waitpid(m_pid, &status, 0);
        m_reaped = true;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    // Like Wait, but a program still running after millis is killed: kNotEnded.
    static constexpr int kNotEnded = -2;
    int WaitAtMost(int millis) {
        CloseInput();
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(millis);
        int status = 0;
        while (waitpid(m_pid, &status, WNOHANG) == 0) {
            if (std::chrono::steady_clock::now() > deadline) return kNotEnded;  // the destructor kills it
            poll(nullptr, 0, 20);
        }
        m_reaped = true;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

private:
    pid_t m_pid = -1;
    int m_in = -1, m_out = -1;
    bool m_reaped = false;
    std::string m_buffer;
};

TEST(Uci, HandshakeNamesTheEngineAndItsLevel) {
    UciProcess uci;
    ASSERT_TRUE(uci.Started());
    uci.Send("uci");
    const std::vector<std::string> lines = uci.Until("uciok");
    EXPECT_EQ(lines, (std::vector<std::string>{"id name Torvo", "id author Halvorn IT",
                                               "option name Level type spin default 4 min 1 max 4", "uciok"}));
    uci.Send("isready");
    EXPECT_EQ(uci.Line(), "readyok");
    uci.Send("quit");
    EXPECT_EQ(uci.Wait(), 0);
}

TEST(Uci, PlaysAGameAgainstItselfWithMoveTime) {
    UciProcess uci;
    ASSERT_TRUE(uci.Started());
    uci.Send("ucinewgame");
    uci.Send("setoption name Level value 2");
    std::string moves;
    int played = 0;
    for (; played < 24; ++played) {
        uci.Send("position startpos" + (moves.empty() ? std::string() : " moves" + moves));
        uci.Send("go movetime 60");
        const std::vector<std::string> lines = uci.Until("bestmove ");
        const std::string& last = lines.back();
        ASSERT_EQ(last.rfind("bestmove ", 0), 0u) << last;
        for (const std::string& line : lines)
            EXPECT_TRUE(line.rfind("info depth ", 0) == 0 || line == last) << line;
        EXPECT_GE(lines.size(), 2u) << "at least the first iteration is reported";
        const std::string move = last.substr(9);
        if (move == "0000") break;
        moves += " " + move;
    }
    EXPECT_GE(played, 20) << moves;
    // Every move was accepted: the position command takes them all silently.
    uci.Send("position startpos moves" + moves);
    uci.Send("isready");
    EXPECT_EQ(uci.Line(), "readyok");
    uci.Send("quit");
    EXPECT_EQ(uci.Wait(), 0);
}

TEST(Uci, StopEndsAnInfiniteSearchWithAMove) {
    UciProcess uci;
    ASSERT_TRUE(uci.Started());
    uci.Send("position fen r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1");
    uci.Send("go infinite");
    EXPECT_EQ(uci.Line().rfind("info depth 1 ", 0), 0u);
    uci.Send("isready");
    EXPECT_EQ(uci.Until("readyok").back(), "readyok") << "answered while searching";
    uci.Send("stop");
    const std::string last = uci.Until("bestmove ", 5000).back();
    EXPECT_EQ(last.rfind("bestmove ", 0), 0u) << last;
    EXPECT_NE(last, "bestmove 0000");
    uci.Send("quit");
    EXPECT_EQ(uci.Wait(), 0);
}

TEST(Uci, QuitDuringASearchEndsTheProgram) {
    UciProcess uci;
    ASSERT_TRUE(uci.Started());
    uci.Send("go infinite");
    EXPECT_EQ(uci.Line().rfind("info depth 1 ", 0), 0u);
    uci.Send("quit");
    uci.Until("bestmove ", 5000);
    EXPECT_EQ(uci.Wait(), 0);
}

TEST(Uci, MalformedCommandsAreExplainedAndIgnored) {
    UciProcess uci;
    ASSERT_TRUE(uci.Started());
    const char* bad[] = {
        "frobnicate",
        "setoption name Level value 9",
        "setoption name Hash value 16",
        "setoption",
    };
    for (const char* command : bad) {
        uci.Send(command);
        const std::string line = uci.Line();
        EXPECT_EQ(line.rfind("info string ", 0), 0u) << command << " -> " << line;
    }
    // The position is still the initial one: a depth-limited search answers for White.
    uci.Send("go depth 1");
    const std::string last = uci.Until("bestmove ").back();
    EXPECT_EQ(last, "bestmove e2e3");
    uci.Send("quit");
    EXPECT_EQ(uci.Wait(), 0);
}

// The moves of a game longer than the program keeps.
std::string ShuffledKnights() {
    std::string moves;
    for (int i = 0; i < 1500; ++i) moves += " g1f3 g8f6 f3g1 f6g8";
    return "position startpos moves" + moves;
}

TEST(Uci, RefusedPositionIsNeverSearched) {
    UciProcess uci;
    ASSERT_TRUE(uci.Started());
    const std::string refused[] = {
        "position startpos moves e2e4 e2e4",
        "position startpos moves e2e5",
        "position startpos e2e4",
        "position fen not a fen",
        "position",
        "position startpos moves f2f3 e7e5 g2g4 d8h4 a2a3",
        ShuffledKnights(),
    };
    for (const std::string& command : refused) {
        const std::string shown = command.substr(0, 60);
        uci.Send("position startpos moves e2e4 e7e5 g1f3");
        uci.Send(command);
        EXPECT_EQ(uci.Line().rfind("info string ", 0), 0u) << shown;
        // Twice: the refusal lasts until a position is taken.
        for (int go = 0; go < 2; ++go) {
            uci.Send("go depth 1");
            const std::vector<std::string> lines = uci.Until("bestmove ");
            EXPECT_EQ(lines, (std::vector<std::string>{lines[0], "bestmove 0000"})) << shown;
            EXPECT_EQ(lines[0].rfind("info string ", 0), 0u) << shown;
        }
    }
    // A position taken again is searched: Black's move after 1.e4.
    uci.Send("position startpos moves e2e4");
    uci.Send("go depth 1");
    const std::string last = uci.Until("bestmove ").back();
    ASSERT_EQ(last.rfind("bestmove ", 0), 0u) << last;
    EXPECT_TRUE(last.size() > 10 && (last[10] == '7' || last[10] == '8')) << last;
    uci.Send("quit");
    EXPECT_EQ(uci.Wait(), 0);
}

TEST(Uci, PositionSentDuringASearchIsRefused) {
    UciProcess uci;
    ASSERT_TRUE(uci.Started());
    uci.Send("go infinite");
    EXPECT_EQ(uci.Line().rfind("info depth 1 ", 0), 0u);
    uci.Send("position startpos moves e2e4");
    uci.Send("stop");
    EXPECT_EQ(uci.Until("bestmove ", 5000).back().rfind("bestmove ", 0), 0u);
    uci.Send("go depth 1");
    EXPECT_EQ(uci.Until("bestmove ").back(), "bestmove 0000");
    uci.Send("quit");
    EXPECT_EQ(uci.Wait(), 0);
}

TEST(Uci, GoParametersOfEveryKindStillGetAMove) {
    UciProcess uci;
    ASSERT_TRUE(uci.Started());
    // A clock that has run out comes as a negative time; the move is still owed.
    for (const char* go : {"go nodes 1000 depth 1", "go searchmoves e2e4 d2d4 depth 1", "go mate 3 depth 1",
                           "go wtime -50 btime 1000 winc 0 binc 0", "go ponder depth 1",
                           "go wtime 4611686018427387903 winc 4611686018427387903 depth 1"}) {
        uci.Send("position startpos");
        uci.Send(go);
        const std::string last = uci.Until("bestmove ").back();
        EXPECT_EQ(last.rfind("bestmove ", 0), 0u) << go << " -> " << last;
        EXPECT_NE(last, "bestmove 0000") << go;
    }
    uci.Send("quit");
    EXPECT_EQ(uci.Wait(), 0);
}

TEST(Uci, MalformedGoIsExplainedAndSearchedAsABareGo) {
    UciProcess uci;
    ASSERT_TRUE(uci.Started());
    // Level 1 keeps each bare search short.
    uci.Send("setoption name Level value 1");
    for (const char* go : {"go movetime -1", "go depth -3", "go depth", "go movetime abc", "go foo 3",
                           "go movetime 99999999999999999999", "go movetime soon", "go sideways 3 4 5",
                           "go nodes 0", "go mate 0"}) {
        uci.Send("position startpos");
        uci.Send(go);
        const std::vector<std::string> lines = uci.Until("bestmove ");
        EXPECT_EQ(lines.front().rfind("info string ", 0), 0u) << go << " -> " << lines.front();
        ASSERT_EQ(lines.back().rfind("bestmove ", 0), 0u) << go << " -> " << lines.back();
        EXPECT_NE(lines.back(), "bestmove 0000") << go;
        ASSERT_GE(lines.size(), 3u) << go;
        EXPECT_EQ(lines[lines.size() - 2].rfind("info depth ", 0), 0u) << go;
        // Exactly one answer: the next line is the one to the next command.
        uci.Send("isready");
        EXPECT_EQ(uci.Line(), "readyok") << go;
    }
    // The parameters that can be read still count.
    uci.Send("go movetime abc depth 2");
    const std::vector<std::string> lines = uci.Until("bestmove ");
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[lines.size() - 2].rfind("info depth 2 ", 0), 0u) << lines[lines.size() - 2];
    uci.Send("quit");
    EXPECT_EQ(uci.Wait(), 0);
}

// The depth and node count of an "info depth" line.
std::pair<int, long long> DepthAndNodes(const std::string& info) {
    std::istringstream in(info);
    int depth = -1;
    long long nodes = -1;
    for (std::string word; in >> word;) {
        if (word == "depth") in >> depth;
        if (word == "nodes") in >> nodes;
    }
    return {depth, nodes};
}

// The last "info depth" line of one search of the position.
std::string LastInfo(UciProcess& uci, const std::string& position, const std::string& go) {
    uci.Send(position);
    uci.Send(go);
    const std::vector<std::string> lines = uci.Until("bestmove ");
    EXPECT_EQ(lines.back().rfind("bestmove ", 0), 0u) << go << " -> " << lines.back();
    EXPECT_NE(lines.back(), "bestmove 0000") << go;
    for (auto line = lines.rbegin(); line != lines.rend(); ++line)
        if (line->rfind("info depth ", 0) == 0) return *line;
    ADD_FAILURE() << go << ": no info line";
    return "";
}

TEST(Uci, GoNodesEndsTheSearchAtTheCount) {
    UciProcess uci;
    ASSERT_TRUE(uci.Started());
    const std::string start = "position startpos";
    const auto [depth, nodes] = DepthAndNodes(LastInfo(uci, start, "go nodes 5000"));
    EXPECT_GE(depth, 1);
    EXPECT_LE(nodes, 5000 + 1000);
    // The counts of whole iterations: a limit just past depth 4 ends there, one
    // between depths 3 and 4 keeps depth 3.
    const long long third = DepthAndNodes(LastInfo(uci, start, "go depth 3")).second;
    const long long fourth = DepthAndNodes(LastInfo(uci, start, "go depth 4")).second;
    ASSERT_LT(third, fourth);
    EXPECT_EQ(DepthAndNodes(LastInfo(uci, start, "go nodes " + std::to_string(fourth + 1))),
              std::make_pair(4, fourth));
    EXPECT_EQ(DepthAndNodes(LastInfo(uci, start, "go nodes " + std::to_string((third + fourth) / 2))),
              std::make_pair(3, third));
    uci.Send("quit");
    EXPECT_EQ(uci.Wait(), 0);
}

// The depths of the "info depth" lines of a search, in order, and its move.
std::pair<std::vector<int>, std::string> DepthsAndMove(UciProcess& uci, const std::string& position,
                                                       const std::string& go) {
    uci.Send(position);
    uci.Send(go);
    std::vector<int> depths;
    for (const std::string& line : uci.Until("bestmove ", 60000)) {
        if (line.rfind("info depth ", 0) == 0) depths.push_back(DepthAndNodes(line).first);
        if (line.rfind("bestmove ", 0) == 0) return {depths, line.substr(9)};
    }
    ADD_FAILURE() << go << ": no bestmove";
    return {depths, ""};
}

TEST(Uci, GoMateSearchesTwicePliesAsMoves) {
    // The mated position must itself be searched for its lack of replies, one
    // ply below the mating move: a mate in N shows from depth 2N on.
    const struct {
        const char* fen;
        const char* go;
        std::vector<int> depths;
        const char* move;
    } cases[] = {
        // The back rank: the rook's quiet move to e1 scores best until the mate is seen.
        {"6k1/5ppp/8/8/8/8/5PPP/3R2K1 w - - 0 1", "go mate 1", {1, 2}, "d1d8"},
        // The queen takes on f7 at once, mate seen or not.
        {"r1bqkbnr/pppp1ppp/2n5/4p3/2B1P3/5Q2/PPPP1PPP/RNB1K1NR w KQkq - 4 4", "go mate 1", {1, 2}, "f3f7"},
        // Nf6+ gxf6 Bxf7#: a knight given away, which depth 3 still refuses.
        {"r2qkb1r/pp2nppp/3p4/2pNN1B1/2BnP3/3P4/PPP2PPP/R2bK2R w KQkq - 1 10", "go mate 2", {1, 2, 3, 4}, "d5f6"},
        // Given both, the smaller depth wins.
        {"6k1/5ppp/8/8/8/8/5PPP/3R2K1 w - - 0 1", "go mate 3 depth 2", {1, 2}, "d1d8"},
        {"6k1/5ppp/8/8/8/8/5PPP/3R2K1 w - - 0 1", "go depth 1 mate 2", {1}, "d1e1"},
    };
    UciProcess uci;
    ASSERT_TRUE(uci.Started());
    for (const auto& c : cases) {
        const auto [depths, move] = DepthsAndMove(uci, std::string("position fen ") + c.fen, c.go);
        EXPECT_EQ(depths, c.depths) << c.fen << ", " << c.go;
        EXPECT_EQ(move, c.move) << c.fen << ", " << c.go;
    }
    uci.Send("quit");
    EXPECT_EQ(uci.Wait(), 0);
}

TEST(Uci, GoDuringASearchEndsItAndStartsTheNewOne) {
    // Each list is sent at once; every go gets its own bestmove, in order, and
    // the last search runs to its depth.
    const std::vector<std::string> bursts[] = {
        {"go depth 6", "go depth 2"},
        {"go infinite", "go depth 2"},
        {"go infinite", "go depth 6", "go infinite", "go movetime 600000", "go depth 2"},
    };
    UciProcess uci;
    ASSERT_TRUE(uci.Started());
    for (const auto& burst : bursts) {
        uci.Send("position startpos");
        for (const std::string& go : burst) uci.Send(go);
        std::vector<std::string> lines;
        for (size_t answer = 0; answer < burst.size(); ++answer) {
            lines = uci.Until("bestmove ");
            ASSERT_EQ(lines.back().rfind("bestmove ", 0), 0u) << burst[answer] << " -> " << lines.back();
            EXPECT_NE(lines.back(), "bestmove 0000") << burst[answer];
        }
        std::vector<int> depths;
        for (const std::string& line : lines)
            if (line.rfind("info depth ", 0) == 0) depths.push_back(DepthAndNodes(line).first);
        EXPECT_EQ(depths, (std::vector<int>{1, 2})) << burst.back();
        // No answer more: the next line is the one to the next command.
        uci.Send("isready");
        EXPECT_EQ(uci.Line(), "readyok") << burst.back();
    }
    uci.Send("quit");
    EXPECT_EQ(uci.Wait(), 0);
}

TEST(Uci, PositionAndGoDuringASearchAnswerForTheRefusedPosition) {
    UciProcess uci;
    ASSERT_TRUE(uci.Started());
    uci.Send("go infinite");
    EXPECT_EQ(uci.Line().rfind("info depth 1 ", 0), 0u);
    uci.Send("position startpos moves e2e4");
    uci.Send("go depth 1");
    const std::string first = uci.Until("bestmove ", 5000).back();
    EXPECT_EQ(first.rfind("bestmove ", 0), 0u) << first;
    EXPECT_NE(first, "bestmove 0000");
    // The position came while searching and was not taken: nothing to search for.
    EXPECT_EQ(uci.Until("bestmove ").back(), "bestmove 0000");
    uci.Send("position startpos moves e2e4");
    uci.Send("go depth 1");
    const std::string last = uci.Until("bestmove ").back();
    ASSERT_EQ(last.rfind("bestmove ", 0), 0u) << last;
    EXPECT_TRUE(last.size() > 10 && (last[10] == '7' || last[10] == '8')) << last;
    uci.Send("quit");
    EXPECT_EQ(uci.Wait(), 0);
}

TEST(Uci, BareGoThinksForTheLevelsTime) {
    UciProcess uci;
    ASSERT_TRUE(uci.Started());
    uci.Send("position startpos");
    const auto start = std::chrono::steady_clock::now();
    uci.Send("go");
    const std::string last = uci.Until("bestmove ", 15000).back();
    EXPECT_EQ(last.rfind("bestmove ", 0), 0u) << last;
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
    uci.Send("quit");
    EXPECT_EQ(uci.Wait(), 0);
}

TEST(Uci, EndOfInputStopsAnInfiniteSearch) {
    UciProcess uci;
    ASSERT_TRUE(uci.Started());
    uci.Send("go infinite");
    EXPECT_EQ(uci.Line().rfind("info depth 1 ", 0), 0u);
    uci.CloseInput();
    const std::string last = uci.Until("bestmove ", 5000).back();
    EXPECT_EQ(last.rfind("bestmove ", 0), 0u) << last;
    EXPECT_EQ(uci.Wait(), 0);
}

TEST(Uci, EndOfInputOrQuitStopsAnySearch) {
    // The last command the client sends, then nothing more.
    const std::pair<const char*, const char*> cases[] = {
        {"go depth 99999", nullptr},
        {"go movetime 600000", nullptr},
        {"go wtime 600000 btime 600000", nullptr},
        {"go depth 99999", "quit"},
        {"go movetime 600000", "quit"},
    };
    for (const auto& [go, last] : cases) {
        const std::string shown = std::string(go) + (last ? std::string(", ") + last : "");
        UciProcess uci;
        ASSERT_TRUE(uci.Started());
        uci.Send("position startpos");
        uci.Send(go);
        if (last) uci.Send(last);
        uci.CloseInput();
        const std::string answer = uci.Until("bestmove ", 30000).back();
        EXPECT_EQ(answer.rfind("bestmove ", 0), 0u) << shown << " -> " << answer;
        EXPECT_NE(answer, "bestmove 0000") << shown;
        EXPECT_EQ(uci.WaitAtMost(30000), 0) << shown;
    }
}

TEST(Uci, OverlongLineIsIgnoredWhole) {
    UciProcess uci;
    ASSERT_TRUE(uci.Started());
    // Cut into pieces, each piece would read as a command of its own.
    std::string line;
    while (line.size() < (3u << 20) / 2) line += "isready ";
    uci.Send(line);
    uci.Send("isready");
    EXPECT_EQ(uci.Line(), "info string line too long, ignored");
    EXPECT_EQ(uci.Line(), "readyok");
    uci.Send("quit");
    EXPECT_EQ(uci.Wait(), 0);
}

TEST(Uci, OverlongPositionIsRefused) {
    UciProcess uci;
    ASSERT_TRUE(uci.Started());
    std::string line = "position startpos moves";
    while (line.size() < (3u << 20) / 2) line += " g1f3 g8f6 f3g1 f6g8";
    uci.Send(line);
    EXPECT_EQ(uci.Line(), "info string line too long, ignored");
    uci.Send("go depth 1");
    EXPECT_EQ(uci.Until("bestmove ").back(), "bestmove 0000");
    uci.Send("quit");
    EXPECT_EQ(uci.Wait(), 0);
}

TEST(Uci, OverlongGoIsReadUpToItsLastWholeWordAndAnswered) {
    const struct {
        const char* start;
        const char* filler;
    } cases[] = {
        {"go depth 1", " depth 1"},
        {"go depth 1 searchmoves", " e2e4"},
        {"go depth 1", " xyzzy"},
    };
    for (const auto& c : cases) {
        UciProcess uci;
        ASSERT_TRUE(uci.Started());
        std::string line = c.start;
        while (line.size() < (3u << 20) / 2) line += c.filler;
        uci.Send(line);
        EXPECT_EQ(uci.Line(), "info string line too long, read up to its last whole word") << c.filler;
        const std::string answer = uci.Until("bestmove ", 30000).back();
        EXPECT_EQ(answer.rfind("bestmove ", 0), 0u) << c.filler;
        EXPECT_NE(answer, "bestmove 0000") << c.filler;
        uci.Send("isready");
        EXPECT_EQ(uci.Until("readyok", 30000).back(), "readyok") << c.filler;
        uci.Send("quit");
        EXPECT_EQ(uci.Wait(), 0);
    }
}

TEST(Uci, NoMoveInAFinishedGame) {
    UciProcess uci;
    ASSERT_TRUE(uci.Started());
    uci.Send("position startpos moves f2f3 e7e5 g2g4 d8h4");
    uci.Send("go movetime 100");
    const std::vector<std::string> lines = uci.Until("bestmove ");
    EXPECT_EQ(lines.back(), "bestmove 0000");
    EXPECT_EQ(uci.Wait(), 0) << "the end of the input ends the session";
}

}  // namespace
