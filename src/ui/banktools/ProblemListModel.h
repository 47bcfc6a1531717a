// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "BankCheck.h"

#include <QAbstractListModel>
#include <vector>

// The Problems dock's lines, "N: message", in question order.
class ProblemListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // A whole check's result, already in question order.
    void setProblems(std::vector<BankCheck::Problem> problems);
    // One question's lines replaced by a fresh check of it.
    void replaceQuestion(int number, const std::vector<BankCheck::Problem>& problems);
    // Lines of questions past the end of the list go.
    void dropAfter(int lastNumber);
    void clear();

    bool hasChecked() const { return m_checked; }
    int numberAt(int row) const;
    // The numbers of the questions with a problem, ascending, once each.
    std::vector<int> problemNumbers() const;

private:
    std::vector<BankCheck::Problem> m_problems;
    bool m_checked = false;
};
