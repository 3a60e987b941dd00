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
    fileName_ = document.currentFileName;
    current_ = contentOf(document);
    saved_ = current_;
}

void UndoHistory::commandEnded(const Document& document) {
    fileName_ = document.currentFileName;
    Document content = contentOf(document);
    if (!(content == current_)) {
        undoSteps_.push_back(std::move(current_));
        if (undoSteps_.size() > static_cast<std::size_t>(MAX_STEPS))
            undoSteps_.pop_front();
        redoSteps_.clear();
    }
    current_ = std::move(content);
}

void UndoHistory::saved(const Document& document) {
    fileName_ = document.currentFileName;
    saved_ = contentOf(document);
}

bool UndoHistory::isSaved(const Document& document) const {
    return contentOf(document) == saved_;
}

void UndoHistory::settled(const Document& document) {
    current_ = contentOf(document);
}

Document UndoHistory::undo() {
    Document restored = std::move(undoSteps_.back());
    undoSteps_.pop_back();
    redoSteps_.push_back(std::exchange(current_, restored));
    return shown(std::move(restored));
}

Document UndoHistory::redo() {
    Document restored = std::move(redoSteps_.back());
    redoSteps_.pop_back();
    undoSteps_.push_back(std::exchange(current_, restored));
    return shown(std::move(restored));
}

Document UndoHistory::shown(Document snapshot) const {
    snapshot.modified = !(snapshot == saved_);
    snapshot.currentFileName = fileName_;
    return snapshot;
}
