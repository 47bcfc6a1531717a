// SPDX-License-Identifier: GPL-2.0-or-later
#include "ValidationTableCommands.h"

#include "UserPrompts.h"

#include <QCoreApplication>
#include <QDir>

ValidationTableCommands::ValidationTableCommands(ValidationTable& table,
                                                 const QString& programFolder,
                                                 const QStringList& folders,
                                                 ValidationTable::Builder builder,
                                                 UserPrompts& prompts, QWidget* window)
    : m_table(table), m_locations(folders.isEmpty() ? QStringList{programFolder} : folders),
      m_builder(std::move(builder)), m_prompts(prompts), m_window(window)
{
}

void ValidationTableCommands::load()
{
    const QString folder = m_locations.lookupFolder();
    report(m_table.LoadValTable(folder, m_builder), folder + ValidationTable::FileName);
}

void ValidationTableCommands::rebuild()
{
    const QString folder = m_locations.rebuildFolder();
    if (folder.isEmpty()) {
        m_table = ValidationTable();
        m_prompts.information(m_window,
                              QCoreApplication::translate("ValidationTableCommands",
                                                          "No folder for the validation table can "
                                                          "be written in. Validation functions "
                                                          "will be inoperative."));
        return;
    }
    const auto outcome = m_table.rebuild(folder, m_builder);
    if (outcome == ValidationTable::LoadOutcome::Loaded)
        m_prompts.information(
            m_window, QCoreApplication::translate("ValidationTableCommands",
                                                  "The validation table was written to %1.")
                          .arg(QDir::toNativeSeparators(folder + ValidationTable::FileName)));
    report(outcome, folder + ValidationTable::FileName);
}

void ValidationTableCommands::report(ValidationTable::LoadOutcome outcome, const QString& path)
{
    if (outcome != ValidationTable::LoadOutcome::Loaded)
        m_prompts.information(m_window, ValidationTable::message(outcome, path));
}
