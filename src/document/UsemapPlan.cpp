#include "document/UsemapPlan.h"

#include <algorithm>
#include <unordered_map>

namespace areamaker {

UsemapPlan::UsemapPlan(const std::vector<ImageMap> &maps, const std::vector<MapBlock> &blocks,
                       const std::vector<int> &owners)
    : mMaps(maps), mBlocks(blocks), mOwners(owners)
{
}

std::vector<std::string> UsemapPlan::keysOf(const MapBlock &block)
{
    std::vector<std::string> keys;
    if (!block.name.empty())
        keys.push_back(block.name);
    if (!block.id.empty() && block.id != block.name)
        keys.push_back(block.id);
    return keys;
}

bool UsemapPlan::removed(std::size_t block) const
{
    const int owner = mOwners[block];
    if (owner < 0 || !mBlocks[block].readOnlyReason.empty())
        return false;
    const ImageMap &map = mMaps[static_cast<std::size_t>(owner)];
    return !map.Alive && map.Modified && !map.isReadOnly();
}

int UsemapPlan::survivor(const std::string &key, std::size_t from) const
{
    for (std::size_t b = from; b < mBlocks.size(); ++b) {
        const std::vector<std::string> keys = keysOf(mBlocks[b]);
        if (!removed(b) && std::find(keys.begin(), keys.end(), key) != keys.end())
            return static_cast<int>(b);
    }
    return -1;
}

bool UsemapPlan::answersAfterSave(std::size_t block, const std::string &key) const
{
    const MapBlock &b = mBlocks[block];
    const ImageMap &map = mMaps[static_cast<std::size_t>(mOwners[block])];
    if (!map.Modified || map.Name == map.NameAsRead)
        return true;
    // A rename changes NAME, and ID too where it gave the same name or stood alone.
    const bool idFollows = b.namedById || b.id == b.name;
    return key == map.Name || (!idFollows && key == b.id);
}

std::vector<UsemapPlan::Change> UsemapPlan::changes() const
{
    std::vector<std::string> keys;
    std::unordered_map<std::string, std::size_t> first;
    for (std::size_t b = 0; b < mBlocks.size(); ++b) {
        for (const std::string &key : keysOf(mBlocks[b])) {
            if (first.emplace(key, b).second)
                keys.push_back(key);
        }
    }
    std::vector<Change> changes;
    for (const std::string &key : keys) {
        const int target = survivor(key, first[key]);
        if (target < 0) {
            changes.push_back({key, -1, false});
            continue;
        }
        const auto block = static_cast<std::size_t>(target);
        const int owner = mOwners[block];
        if (owner < 0 || !mBlocks[block].readOnlyReason.empty())
            continue;
        const ImageMap &map = mMaps[static_cast<std::size_t>(owner)];
        const bool keepsKey = answersAfterSave(block, key);
        if (map.isReadOnly() || (keepsKey && map.ImagePath == map.SourceAsRead))
            continue;
        changes.push_back({key, owner, keepsKey});
    }
    return changes;
}

} // namespace areamaker
