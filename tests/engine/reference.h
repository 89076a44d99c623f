// The search written the plain way, move lists and all, as the rules of the
// game describe it: the engine's faster paths must choose and count alike.
#pragma once

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "engine/evaluator.h"
#include "engine/search.h"
#include "rules/movegen.h"

namespace reference {

struct Exchange {
    long nodes = 0;

    int Evaluate(const CMoveGen& pos, int parentCount) {
        int m = (int(pos.m_whiteMaterial) - int(pos.m_blackMaterial)) * 32;
        if (std::abs(int(pos.m_moveNumber)) < 32) m = pos.AdjustForDevelopment(m);
        return pos.m_moveNumber > 0 ? pos.m_count + m - parentCount : pos.m_count - m - parentCount;
    }

    int Value(const CMoveGen& pos, int parentCount, int depth, int alpha, int beta) {
        if (depth == 0 || pos.m_count == 0) return Evaluate(pos, parentCount);
        int best = Evaluate(pos, parentCount);
        for (int i = 0; i < pos.m_count; ++i) {
            if (pos.m_moves[i].to != pos.m_lastTo) continue;
            ++nodes;
            auto child = std::make_unique<CMoveGen>();
            child->CopyApplyGenerate(pos, pos.m_moves[i]);
            const int v = -Value(*child, pos.m_count, depth - 1, -beta, -alpha);
            if (v > best) best = v;
            if (best > alpha) alpha = best;
            if (alpha >= beta) return best;
        }
        return best;
    }
};

struct Node {
    int index;
    std::string text;
    int score;
    std::unique_ptr<struct List> subtree;
};

struct List {
    std::vector<Node> nodes;  // in list order
    int best = 0;
};

// A list build: returns the list and adds its node count to nodes.
inline std::unique_ptr<List> Build(const CMoveGen& pos, long* nodes) {
    auto list = std::make_unique<List>();
    Exchange exchange;
    char text[CMoveGen::kCoordTextSize];
    for (int i = 0; i < pos.m_count; ++i) {
        ++exchange.nodes;
        auto child = std::make_unique<CMoveGen>();
        child->CopyApplyGenerate(pos, pos.m_moves[i]);
        Node node{i, pos.CoordText(int16_t(i), text), -exchange.Value(*child, pos.m_count, 4, -999999, 999999), nullptr};
        size_t at = 0;
        while (at < list->nodes.size() && list->nodes[at].score >= node.score) ++at;
        list->nodes.insert(list->nodes.begin() + long(at), std::move(node));
    }
    *nodes += exchange.nodes;
    return list;
}

// Iterative deepening without a clock: depth by depth, tree kept at plies 0-5.
struct Search {
    CMoveGen root;
    std::unique_ptr<List> rootList;
    long nodes = 0;
    int iteration = 0;
    int rootScore = 0;
    int rootBest = -1;  // index in the root list

    explicit Search(const CMoveGen& r) : root(r) { rootList = Build(root, &nodes); }

    int Node(const CMoveGen& pos, std::unique_ptr<List>& slot, int depth, int alpha, int beta, int* bestAt) {
        int score = -999999;
        if (!slot) {
            if (pos.m_count == 0) return pos.InCheck() ? -987654 - depth : 0;
            slot = Build(pos, &nodes);
        }
        for (size_t k = 0; k < slot->nodes.size(); ++k) {
            auto& node = slot->nodes[k];
            int v;
            if (depth == 0) {
                v = node.score;
            } else {
                auto child = std::make_unique<CMoveGen>();
                child->MakeChild(pos, int16_t(node.index));
                v = -Node(*child, node.subtree, depth - 1, -beta, -alpha, nullptr);
            }
            if (v > score) {
                score = v;
                slot->best = int(k);
                if (bestAt) *bestAt = int(k);
            }
            if (score > alpha) alpha = score;
            if (alpha >= beta) break;
        }
        if (iteration - depth > 5) slot.reset();
        return score;
    }

    void Iterate() {
        int bestAt = 0;
        rootScore = Node(root, rootList, iteration, -999999, 999999, &bestAt);
        rootBest = rootList->nodes.empty() ? -1 : rootList->nodes[size_t(bestAt)].index;
        ++iteration;
    }
};

}  // namespace reference
