#pragma once

#include "document/Document.h"

#include <deque>
#include <string>

// Whether two documents hold the same content: what Save writes (the table with the rows
// out of sight, the roles, the fit configuration and every setting of the graph) and the
// graph type, which the file does not keep but Undo takes back. The file name, the
// unsaved-changes flag, the mouse selection and the summary block of a shown fit are not
// content: saving, selecting rows or fitting changes nothing to undo and nothing to save.
bool sameContent(const Document& a, const Document& b);

// The document's past and undone future as whole snapshots, one per command that changed
// the content. The window reports the document after every command; Undo and Redo hand
// back the document to show, under the current file name, with no row selection (the
// grid shows none after the swap) and unmodified exactly when it is the saved content.
class UndoHistory {
public:
    static constexpr int MAX_STEPS = 100;

    explicit UndoHistory(const Document& start) { restart(start); }

    // New and Open: a fresh history whose saved state is the document as it arrived.
    void restart(const Document& document);
    // After a command: a change of content becomes one step (and drops the redo steps).
    void commandEnded(const Document& document);
    // Save, Save As, import and any document put in place unmodified: the content the
    // document is measured against from now on.
    void saved(const Document& document);
    // Whether the document holds the content last saved, opened, imported or made new:
    // closing, New, Open and import ask to save while it does not, and Undo and Redo mark
    // the document unmodified when they come back to it.
    bool isSaved(const Document& document) const;

    bool canUndo() const { return !undoSteps_.empty(); }
    bool canRedo() const { return !redoSteps_.empty(); }
    // Callers check canUndo / canRedo first.
    Document undo();
    Document redo();
    // The document as the window shows it after Undo or Redo (its re-plot may choose other
    // label formats): the state the next command is measured from, not a step.
    void settled(const Document& document);

private:
    Document shown(Document snapshot) const;

    // Every snapshot holds the content alone (see sameContent), so that a comparison copies
    // only the document it is handed, and the state a command ended in becomes the next
    // snapshot without another copy.
    std::deque<Document> undoSteps_;
    std::deque<Document> redoSteps_;
    Document current_;
    Document saved_;
    std::string fileName_; // the document's, which the snapshots do not keep
};
