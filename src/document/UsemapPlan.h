#pragma once

#include "document/ImageMap.h"
#include "document/MapBlock.h"

#include <string>
#include <vector>

namespace areamaker {

// Which IMG tags a save must rewrite so that every USEMAP still finds its map. A USEMAP
// names the first block whose NAME or ID it gives; when that block's map is renamed or
// given a new picture, its tags follow it, and when the map is deleted they follow the
// next block of that name, or lose USEMAP when there is none.
class UsemapPlan
{
public:
    struct Change
    {
        std::string key; // the USEMAP name the tags give today
        int map = -1;    // the map they must find after the save; -1: remove USEMAP
        bool keepsKey = false;
    };

    // `owners[b]` is the index of the map that owns block b, or -1.
    UsemapPlan(const std::vector<ImageMap> &maps, const std::vector<MapBlock> &blocks,
               const std::vector<int> &owners);

    std::vector<Change> changes() const;

private:
    static std::vector<std::string> keysOf(const MapBlock &block);
    bool removed(std::size_t block) const;
    // The first block from `from` on that answers to `key` and stays in the page, or -1.
    int survivor(const std::string &key, std::size_t from) const;
    bool answersAfterSave(std::size_t block, const std::string &key) const;

    const std::vector<ImageMap> &mMaps;
    const std::vector<MapBlock> &mBlocks;
    const std::vector<int> &mOwners;
};

} // namespace areamaker
