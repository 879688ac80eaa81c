#include "document/EditHistory.h"

#include "document/MapDocument.h"

#include <algorithm>

namespace areamaker {

std::optional<EditKind> EditHistory::undoKind() const
{
    return mDone.empty() ? std::nullopt : std::optional(mDone.back().kind);
}

std::optional<EditKind> EditHistory::redoKind() const
{
    return mUndone.empty() ? std::nullopt : std::optional(mUndone.back().kind);
}

EditHistory::Selection EditHistory::currentSelection() const
{
    return {mDocument.ActiveMapIndex, mDocument.SelectedZoneIndex};
}

void EditHistory::open(EditKind kind)
{
    if (mDepth++ > 0)
        return;
    mPending = Step{kind, {}, currentSelection(), {}};
}

void EditHistory::record(int mapIndex)
{
    if (!mPending || std::ranges::any_of(mPending->maps, [mapIndex](const MapChange &change) {
            return change.mapIndex() == mapIndex;
        }))
        return;
    mPending->maps.emplace_back(mDocument, mapIndex);
}

void EditHistory::close()
{
    if (mDepth == 0 || --mDepth > 0 || !mPending)
        return;
    Step step = std::move(*mPending);
    mPending.reset();
    std::erase_if(step.maps, [this](MapChange &change) { return !change.finish(mDocument); });
    if (step.maps.empty())
        return;
    step.after = currentSelection();
    push(std::move(step));
}

bool EditHistory::joinsBurst(const Step &step) const
{
    if (!mBurstOpen || mDone.empty() || mSavedAt == static_cast<long>(mDone.size()))
        return false;
    const Step &last = mDone.back();
    return step.kind == EditKind::Nudge && last.kind == EditKind::Nudge &&
           last.after == step.before && last.maps.size() == 1 && step.maps.size() == 1 &&
           last.maps[0].mapIndex() == step.maps[0].mapIndex();
}

void EditHistory::push(Step &&step)
{
    if (!mUndone.empty()) {
        mUndone.clear();
        // The saved state was among the steps undone: no redo leads back to it now.
        if (mSavedAt > static_cast<long>(mDone.size()))
            mSavedAt = -1;
    }
    if (joinsBurst(step)) {
        mDone.back().maps[0].absorb(step.maps[0]);
        mDone.back().after = step.after;
    } else {
        mDone.push_back(std::move(step));
        mBurstOpen = mDone.back().kind == EditKind::Nudge;
    }
    if (mDone.size() > Limit) {
        mDone.pop_front();
        mSavedAt = mSavedAt > 0 ? mSavedAt - 1 : -1;
    }
    changed();
}

bool EditHistory::allowed(const Step &step) const
{
    return !mGuard || std::ranges::all_of(step.maps, [this](const MapChange &change) {
        return mGuard(change.mapIndex());
    });
}

const EditHistory::Step *EditHistory::undo()
{
    if (!canUndo() || !allowed(mDone.back()))
        return nullptr;
    mBurstOpen = false;
    mUndone.push_back(std::move(mDone.back()));
    mDone.pop_back();
    const Step &step = mUndone.back();
    for (auto change = step.maps.rbegin(); change != step.maps.rend(); ++change)
        change->revert(mDocument);
    followSavedState(step);
    changed();
    return &step;
}

const EditHistory::Step *EditHistory::redo()
{
    if (!canRedo() || !allowed(mUndone.back()))
        return nullptr;
    mBurstOpen = false;
    mDone.push_back(std::move(mUndone.back()));
    mUndone.pop_back();
    const Step &step = mDone.back();
    for (const MapChange &change : step.maps)
        change.apply(mDocument);
    followSavedState(step);
    changed();
    return &step;
}

void EditHistory::followSavedState(const Step &step)
{
    const bool atSave = mSavedAt == static_cast<long>(mDone.size());
    for (const MapChange &change : step.maps)
        mDocument.Maps.at(static_cast<std::size_t>(change.mapIndex())).Modified = !atSave;
    mDocument.SetDocumentModified(!atSave || mDocument.anyMapModified());
}

void EditHistory::clear()
{
    mDone.clear();
    mUndone.clear();
    mPending.reset();
    mSavedAt = 0;
    mBurstOpen = false;
    changed();
}

void EditHistory::saved()
{
    mSavedAt = static_cast<long>(mDone.size());
    mBurstOpen = false;
    changed();
}

void EditHistory::forgetLast()
{
    if (mDone.empty())
        return;
    mDone.pop_back();
    mBurstOpen = false;
    if (mSavedAt > static_cast<long>(mDone.size()))
        mSavedAt = -1;
    changed();
}

void EditHistory::changedOutsideSteps()
{
    mSavedAt = -1;
}

void EditHistory::changed()
{
    if (mListener)
        mListener();
}

} // namespace areamaker
