#pragma once

#include "document/EditKind.h"
#include "document/MapChange.h"

#include <cstddef>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace areamaker {

class MapDocument;

// The document's undo and redo: every change of a map goes through an EditStep, which
// records here what it changed. The last 200 steps are kept; opening, closing or reloading
// a page forgets them, saving does not.
class EditHistory
{
public:
    static constexpr std::size_t Limit = 200;

    // The active map and the selected zone at one moment.
    struct Selection
    {
        int map = -1;
        int zone = -1;
        bool operator==(const Selection &) const = default;
    };
    struct Step
    {
        EditKind kind = EditKind::Trace;
        std::vector<MapChange> maps;
        Selection before;
        Selection after;
    };

    explicit EditHistory(MapDocument &document) : mDocument(document) {}
    EditHistory(const EditHistory &) = delete;
    EditHistory &operator=(const EditHistory &) = delete;

    // Nothing is undone or redone while a change is under way, as a drag is.
    bool canUndo() const { return !mDone.empty() && mDepth == 0; }
    bool canRedo() const { return !mUndone.empty() && mDepth == 0; }
    std::optional<EditKind> undoKind() const;
    std::optional<EditKind> redoKind() const;

    // Puts the maps of the last step back as they were, or the last undone step as it left
    // them; the step, for the views to follow, or null when there is none or the guard
    // refuses one of its maps.
    const Step *undo();
    const Step *redo();

    void clear();
    // The page on disk now holds the document as it stands.
    void saved();
    // Forgets the last step done, whose change was taken back outside the history.
    void forgetLast();
    // A map changed in a way no step can take back: the saved state is out of reach.
    void changedOutsideSteps();
    // Arrow-key moves of one zone make one step until something else happens.
    void endBurst() { mBurstOpen = false; }

    // Whether a map may be changed by undo and redo; every map may without a guard.
    void setEditGuard(std::function<bool(int mapIndex)> guard) { mGuard = std::move(guard); }
    // Told whenever what undo and redo would do changes.
    void setListener(std::function<void()> listener) { mListener = std::move(listener); }

    // The recording side, for EditStep: steps nest, the outermost one is the undo step.
    void open(EditKind kind);
    void record(int mapIndex);
    void close();

private:
    Selection currentSelection() const;
    bool allowed(const Step &step) const;
    void push(Step &&step);
    bool joinsBurst(const Step &step) const;
    void followSavedState(const Step &step);
    void changed();

    MapDocument &mDocument;
    std::deque<Step> mDone;
    std::vector<Step> mUndone;
    std::optional<Step> mPending;
    int mDepth = 0;
    // How many steps were done when the page was saved; -1 when that state is out of reach.
    long mSavedAt = 0;
    bool mBurstOpen = false;
    std::function<bool(int)> mGuard;
    std::function<void()> mListener;
};

} // namespace areamaker
