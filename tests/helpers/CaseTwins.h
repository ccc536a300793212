#pragma once

#include <QString>
#include <vector>

// Pairs of texts as one copy stored them and another typed them: the same text in another
// letter case, in the scripts a plant's records hold, and texts that only look alike.
struct CaseTwin {
    QString stored;
    QString typed;
    bool same; // equal when letter case is ignored
};

const std::vector<CaseTwin>& CaseTwins();
