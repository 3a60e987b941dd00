#include "document/UndoHistory.h"

#include <utility>

namespace {

Document contentOf(Document d) {
    d.currentFileName.clear();
    d.modified = false;
    d.selectionTop = 0;
    d.selectionBottom = 0;
    d.table.setSummaryText(std::string()); // the shown fit's results, not the document's
    return d;
}

} // namespace

bool sameContent(const Document& a, const Document& b) {
    return contentOf(a) == contentOf(b);
}

void UndoHistory::restart(const Document& document) {
    undoSteps_.clear();
    redoSteps_.clear();
    current_ = document;
    saved_ = document;
}

void UndoHistory::commandEnded(const Document& document) {
    if (!sameContent(document, current_)) {
        undoSteps_.push_back(std::move(current_));
        if (undoSteps_.size() > static_cast<std::size_t>(MAX_STEPS))
            undoSteps_.pop_front();
        redoSteps_.clear();
    }
    current_ = document;
}

Document UndoHistory::undo() {
    Document restored = shown(std::move(undoSteps_.back()));
    undoSteps_.pop_back();
    redoSteps_.push_back(std::exchange(current_, std::move(restored)));
    return current_;
}

Document UndoHistory::redo() {
    Document restored = shown(std::move(redoSteps_.back()));
    redoSteps_.pop_back();
    undoSteps_.push_back(std::exchange(current_, std::move(restored)));
    return current_;
}

Document UndoHistory::shown(Document snapshot) const {
    snapshot.currentFileName = current_.currentFileName;
    snapshot.selectionTop = 0;
    snapshot.selectionBottom = 0;
    snapshot.modified = !isSaved(snapshot);
    return snapshot;
}
