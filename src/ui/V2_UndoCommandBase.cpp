#include "V2_UndoCommandBase.h"

V2_UndoCommandBase::V2_UndoCommandBase(Project &project, const QString &text) : m_project(project) {
    setText(": " + text);
}

void V2_UndoCommandBase::applyChange(Project::ModificationType modType, const std::function<bool(Document &)> &change) {
    Document *document = m_project.document();
    if (document && change(*document))
        m_project.setModified(modType);
}

int V2_UndoCommandBase::layerCount() const {
    const Document *document = m_project.document();
    return document ? document->inputData().layers().size() : 0;
}

V2_UndoTableViewBase::V2_UndoTableViewBase(Project &project, const QString &text, QTableWidget *table)
    : V2_UndoCommandBase(project, text), m_table(table) {}

void V2_UndoTableViewBase::selectColumn(int column) const {
    if (m_table && column >= 0 && column < m_table->columnCount())
        m_table->setCurrentCell(0, column);
}
