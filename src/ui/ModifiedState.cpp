#include "ModifiedState.h"

#include <QUndoStack>

ModifiedState::ModifiedState(QUndoStack &undoStack, QObject *parent) : QObject(parent), m_undoStack(undoStack) {
    connect(&m_undoStack, &QUndoStack::cleanChanged, this, &ModifiedState::changed);
}

bool ModifiedState::isModified() const {
    return m_changedWithoutCommand || !m_undoStack.isClean();
}

void ModifiedState::reset(bool modified) {
    m_changedWithoutCommand = modified;
    m_undoStack.clear();
    emit changed();
}

void ModifiedState::setSaved() {
    m_changedWithoutCommand = false;
    m_undoStack.setClean();
    emit changed();
}
