#include "tools/cli/ucisession.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <sstream>

#include "engine/evaluator.h"
#include "engine/levels.h"
#include "engine/search.h"
#include "engine/thinkingdriver.h"
#include "tools/cli/cliargs.h"

namespace cli {

namespace {

constexpr const char* kEngineName = "Torvo";
constexpr const char* kEngineAuthor = "Halvorn IT";
constexpr const char* kPositionCommand = "position";
constexpr const char* kGoCommand = "go";
constexpr const char* kBestMove = "bestmove ";
// The move sent when there is none to play.
constexpr const char* kNullMove = "0000";
constexpr const char* kStartFen = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";
constexpr int kCentipawns = 100;
// Moves assumed still to come when the clock gives no "movestogo".
constexpr int kDefaultMovesToGo = 30;
// Kept back from every time budget for the list build that cannot be cut
// short and for the way to the interface.
constexpr int kSafetyMillis = 30;
// The input is looked at every so many pump calls: often enough to answer
// "stop" at once, seldom enough to cost nothing.
constexpr unsigned kPollInterval = 64;
constexpr int64_t kLongestBudget = INT_MAX - 1;
constexpr int64_t kMillisPerSecond = 1000;
// "go" without this side's clock.
constexpr int64_t kNoClock = INT64_MIN;
// Longer words are cut when they are quoted back.
constexpr size_t kLongestQuote = 40;

std::string Quoted(const std::string& word) {
    return word.size() <= kLongestQuote ? word : word.substr(0, kLongestQuote) + "...";
}

std::string FirstWord(const std::string& line) {
    std::istringstream in(line);
    std::string word;
    in >> word;
    return word;
}

std::vector<std::string> Words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

void Say(const std::string& text) {
    std::fputs(text.c_str(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void InfoString(const std::string& text) { Say("info string " + text); }

// What one "go" asks for; a parameter not given keeps the value here.
struct GoRequest {
    int64_t movetime = -1;
    int64_t wtime = kNoClock, btime = kNoClock, winc = 0, binc = 0, movestogo = 0;
    int64_t depth = 0, nodes = 0, mate = 0;
    bool infinite = false;
};

struct GoNumber {
    const char* name;
    int64_t GoRequest::*field;
    int64_t lowest;
};

constexpr const char* kInfinite = "infinite";
constexpr const char* kPonder = "ponder";
constexpr const char* kSearchMoves = "searchmoves";
// Larger numbers are not read; the clock readings are cut to a budget anyway.
constexpr int64_t kLargestNumber = INT64_MAX / 2;

// Interfaces send a clock that has run out as a negative time.
const GoNumber kGoNumbers[] = {
    {"movetime", &GoRequest::movetime, 0},
    {"wtime", &GoRequest::wtime, -kLongestBudget},
    {"btime", &GoRequest::btime, -kLongestBudget},
    {"winc", &GoRequest::winc, -kLongestBudget},
    {"binc", &GoRequest::binc, -kLongestBudget},
    {"movestogo", &GoRequest::movestogo, 0},
    {"depth", &GoRequest::depth, 0},
    {"nodes", &GoRequest::nodes, 1},
    {"mate", &GoRequest::mate, 1},
};

const GoNumber* FindGoNumber(const std::string& word) {
    for (const GoNumber& number : kGoNumbers)
        if (word == number.name) return &number;
    return nullptr;
}

bool IsGoParameter(const std::string& word) {
    return FindGoNumber(word) || word == kInfinite || word == kPonder || word == kSearchMoves;
}

// A parameter that cannot be read is explained and left out with its words
// up to the next parameter: the search still owes its move.
GoRequest ReadGo(const std::vector<std::string>& words) {
    GoRequest request;
    for (size_t i = 1; i < words.size(); ++i) {
        const std::string& key = words[i];
        const GoNumber* number = FindGoNumber(key);
        if (key == kInfinite) {
            request.infinite = true;
            continue;
        }
        if (number && i + 1 < words.size() &&
            ReadNumber(words[i + 1].c_str(), number->lowest, kLargestNumber, &(request.*number->field))) {
            ++i;
            continue;
        }
        if (key == kPonder || key == kSearchMoves)
            InfoString("'" + key + "' is not supported and ignored");
        else if (number)
            InfoString("'" + key + "' needs a number: ignored");
        else
            InfoString("unknown parameter '" + Quoted(key) + "' ignored");
        while (i + 1 < words.size() && !IsGoParameter(words[i + 1])) ++i;
    }
    // No clock reading may grow a budget past what the search can count.
    for (int64_t* reading : {&request.movetime, &request.wtime, &request.btime, &request.winc, &request.binc})
        *reading = std::min(*reading, kLongestBudget);
    return request;
}

// The deepest search asked for, in plies; 0 when none is.
int64_t DepthAsked(const GoRequest& request) {
    // A mate in N is made 2N - 1 plies down, but the search sees it only when
    // it looks for replies in the mated position, one ply further: at 2N.
    const int64_t mateDepth = request.mate > 0 ? 2 * request.mate : 0;
    if (request.depth > 0 && mateDepth > 0) return std::min(request.depth, mateDepth);
    return request.depth > 0 ? request.depth : mateDepth;
}

// Milliseconds for the search: the move time, a share of the clock, or for a
// bare "go" the level's own time, as the program would take.
int64_t Budget(const GoRequest& request, bool white, const PlayingLevel& level) {
    const int64_t clock = white ? request.wtime : request.btime;
    const int64_t increment = std::max(white ? request.winc : request.binc, int64_t{0});
    int64_t budget = kLongestBudget;
    if (request.movetime >= 0) {
        budget = request.movetime - kSafetyMillis;
    } else if (clock != kNoClock) {
        const int64_t left = std::max(clock, int64_t{0});
        const int64_t share =
            left / (request.movestogo > 0 ? request.movestogo : kDefaultMovesToGo) + increment * 3 / 4;
        budget = std::min(share, left / 2) - kSafetyMillis;
    } else if (DepthAsked(request) == 0 && request.nodes == 0 && !request.infinite) {
        budget = level.seconds * kMillisPerSecond;
    }
    return std::max(budget, int64_t{1});
}

// Iterations after the first.
int Iterations(const GoRequest& request, const PlayingLevel& level) {
    constexpr int64_t kMostIterations = CSearch::kMaxIterations - 2;
    const int64_t depth = DepthAsked(request);
    if (request.infinite) return kMostIterations;
    if (depth > 0) return int(std::min(depth - 1, kMostIterations));
    // Only the node count limits the search.
    if (request.nodes > 0) return kMostIterations;
    return level.iterations;
}

}  // namespace

CUciSession::CUciSession(CLineReader& reader) : m_reader(reader), m_facade(std::make_unique<CGameFacade>()) {
    TheMessagePump().SetPlatform(this);
}

CUciSession::~CUciSession() { TheMessagePump().SetPlatform(nullptr); }

int CUciSession::Run() {
    std::string line;
    while (!m_quit && m_reader.ReadLine(&line))
        if (!Handle(line, false)) break;
    return 0;
}

void CUciSession::DispatchOne() {
    if (m_stopped) return;
    if (++m_polls % kPollInterval != 0) return;
    std::string line;
    while (!m_stopped && m_reader.PollLine(&line)) Handle(line, true);
    // Nobody is left to wait for the move: any search ends as if told to.
    if (!m_stopped && m_reader.AtEnd()) StopSearch();
}

void CUciSession::StopSearch() {
    m_stopped = true;
    if (m_control) m_control->RequestStop();
}

bool CUciSession::Handle(const std::string& line, bool searching) {
    std::vector<std::string> words;
    if (line.size() < CLineReader::kMaxLine) {
        words = Words(line);
    } else if (FirstWord(line) == kGoCommand) {
        // Every go gets its bestmove: the one cut short goes as far as its
        // last whole word, and what cannot be read of it is left out as usual.
        InfoString("line too long, read up to its last whole word");
        words = Words(line);
        words.pop_back();
    } else {
        // A position cut short is refused like any other.
        if (FirstWord(line) == kPositionCommand) m_positionRefused = true;
        InfoString("line too long, ignored");
        return true;
    }
    if (words.empty()) return true;
    const std::string& command = words[0];
    // A position left untaken during a search is refused all the same.
    if (searching && command == kPositionCommand) m_positionRefused = true;
    if (command == "quit") {
        m_quit = true;
        if (searching) StopSearch();
        return false;
    }
    if (command == "isready") {
        Say("readyok");
    } else if (command == "stop") {
        if (searching) StopSearch();
    } else if (searching && command == kGoCommand) {
        // The client wants another search: the running one answers now, and
        // the new one starts once it has.
        m_nextGo = words;
        StopSearch();
    } else if (command == "uci") {
        Say(std::string("id name ") + kEngineName);
        Say(std::string("id author ") + kEngineAuthor);
        Say("option name Level type spin default " + std::to_string(LevelNumber(kDefaultLevel)) + " min 1 max " +
            std::to_string(std::size(kPlayingLevels)));
        Say("uciok");
    } else if (searching) {
        InfoString("'" + Quoted(command) + "' ignored while searching");
    } else if (command == "ucinewgame") {
        m_facade = std::make_unique<CGameFacade>();
    } else if (command == "setoption") {
        SetOption(words);
    } else if (command == kPositionCommand) {
        SetPosition(words);
    } else if (command == kGoCommand) {
        Go(words);
        // Reading stops at a go that ends a search, so at most one waits.
        while (m_nextGo) {
            const std::vector<std::string> next = std::move(*m_nextGo);
            m_nextGo.reset();
            Go(next);
        }
    } else if (command == "debug" || command == "register" || command == "ponderhit") {
        // Nothing to do: no debug mode, no registration, no pondering.
    } else {
        InfoString("unknown command '" + Quoted(command) + "'");
    }
    return !m_quit;
}

void CUciSession::SetOption(const std::vector<std::string>& words) {
    // setoption name Level value N
    if (words.size() != 5 || words[1] != "name" || words[3] != "value") {
        InfoString("setoption needs: setoption name Level value 1-4");
        return;
    }
    if (words[2] != "Level") {
        InfoString("no option '" + Quoted(words[2]) + "'");
        return;
    }
    int64_t level = 0;
    if (!ReadNumber(words[4].c_str(), 1, int64_t(std::size(kPlayingLevels)), &level)) {
        InfoString("Level must be a number from 1 to 4");
        return;
    }
    m_level = LevelOfNumber(static_cast<int>(level));
}

void CUciSession::SetPosition(const std::vector<std::string>& words) {
    // Until the new one stands, the client's position is unknown.
    m_positionRefused = true;
    size_t at = 1;
    std::string fen;
    if (at < words.size() && words[at] == "startpos") {
        fen = kStartFen;
        ++at;
    } else if (at < words.size() && words[at] == "fen") {
        for (++at; at < words.size() && words[at] != "moves"; ++at) fen += (fen.empty() ? "" : " ") + words[at];
    } else {
        InfoString("position needs startpos or fen");
        return;
    }
    CPosition start{};
    int halfMoves = 0;
    const std::string error = start.SetupFen(fen, &halfMoves);
    if (!error.empty()) {
        InfoString("position ignored: " + error);
        return;
    }
    auto facade = std::make_unique<CGameFacade>(start, halfMoves);
    if (at < words.size()) {
        if (words[at] != "moves") {
            InfoString("position ignored: '" + Quoted(words[at]) + "' where moves should follow");
            return;
        }
        for (++at; at < words.size(); ++at) {
            const char* answer = facade->EnterMove(words[at].c_str());
            if (*answer) {
                InfoString("position ignored: move '" + Quoted(words[at]) + "' refused: " + answer);
                return;
            }
        }
    }
    m_facade = std::move(facade);
    m_positionRefused = false;
}

void CUciSession::SayBestMove(const std::string& move) { Say(kBestMove + (move.empty() ? kNullMove : move)); }

void CUciSession::Go(const std::vector<std::string>& words) {
    if (m_positionRefused) {
        InfoString("no search: the last position was refused");
        SayBestMove("");
        return;
    }
    const GoRequest request = ReadGo(words);
    char result[CGame::kTextSize];
    if (m_facade->GameOver(result) == 1 && m_facade->GetGame()->Current()->m_count == 0) {
        InfoString(std::string("no move: ") + result);
        SayBestMove("");
        return;
    }
    const PlayingLevel& level = LevelLimits(m_level);
    const bool white = m_facade->GetGame()->Current()->IsWhiteToMove();
    Search(CSearchControl::Milliseconds(Budget(request, white, level), Iterations(request, level), request.nodes),
           request.infinite);
}

void CUciSession::Search(CSearchControl control, bool infinite) {
    m_stopped = false;
    m_infinite = infinite;
    m_reported = -1;
    m_goStartMs = CSearchControl::SteadyMillis();
    m_control = &control;
    CThinkingDriver driver(*this);
    driver.SetSearchHook(OnIteration, this);
    std::string move = driver.Think(control);
    // "go infinite" answers only when told to stop.
    std::string line;
    while (infinite && !m_stopped && m_reader.ReadLine(&line)) Handle(line, true);
    m_infinite = false;
    m_control = nullptr;
    SayBestMove(move);
}

void CUciSession::OnIteration(CSearch& search, void* context) {
    static_cast<CUciSession*>(context)->ReportIteration(search);
}

void CUciSession::ReportIteration(CSearch& search) {
    search.SetInfoStream(nullptr);
    const int done = search.LastDone();
    if (done <= m_reported || done < 0) return;
    m_reported = done;
    const int score = search.Result(done)->m_score;
    std::string scoreText;
    // A mate score carries the depth left at the mated position, so the
    // mated position lies done - (score - kMateScore) plies down.
    if (score >= CSearch::kMateScore) {
        const int plies = done - (score - CSearch::kMateScore);
        scoreText = "mate " + std::to_string((plies + 1) / 2);
    } else if (score <= -CSearch::kMateScore) {
        const int plies = done - (-score - CSearch::kMateScore);
        scoreText = "mate -" + std::to_string(plies / 2);
    } else {
        scoreText = "cp " + std::to_string(score * kCentipawns / CEvaluator::kPawnScore);
    }
    const int64_t millis = CSearchControl::SteadyMillis() - m_goStartMs;
    const int64_t nodes = search.Nodes();
    char pv[CSearch::kPvTextSize];
    search.PrincipalVariation(pv, sizeof pv);
    Say("info depth " + std::to_string(done + 1) + " score " + scoreText + " nodes " + std::to_string(nodes) +
        " time " + std::to_string(millis) + " nps " + std::to_string(millis > 0 ? nodes * 1000 / millis : 0) +
        " pv " + pv);
}

}  // namespace cli
