#pragma once

#include "check/CheckFinding.h"
#include "check/PageChecker.h"

#include <string>
#include <vector>

namespace areamaker {

class DocumentLifecycle;
class MapDocument;
class ZoneTreeBinding;

// The page checker on the open document as edited: it checks the text a save would write
// (so lines are those of the page once saved, and maps not changed keep theirs), and a
// finding leads back to its map and zone through the zone explorer's selection.
class DocumentCheck
{
public:
    DocumentCheck(MapDocument &document, DocumentLifecycle &lifecycle, ZoneTreeBinding &tree,
                  PageChecker &checker)
        : mDocument(document), mLifecycle(lifecycle), mTree(tree), mChecker(checker)
    {
    }

    // The findings, their map indices those of the document; false with the reason in
    // `failure` when no page is open or the page cannot be read.
    bool run(std::vector<CheckFinding> &findings, std::string &failure);
    // Makes the finding's map active and selects its zone (or only the map); a finding of
    // another page than the one open now selects nothing.
    void select(const CheckFinding &finding);

private:
    // For each MAP block of the text, in order, the index of the map that wrote it, or -1.
    std::vector<int> mapsOfBlocks(const std::string &text) const;

    MapDocument &mDocument;
    DocumentLifecycle &mLifecycle;
    ZoneTreeBinding &mTree;
    PageChecker &mChecker;
    // The page the findings were made on.
    std::string mCheckedPath;
};

} // namespace areamaker
