// SPDX-License-Identifier: GPL-2.0-or-later
#include "ProblemListModel.h"

#include <algorithm>

namespace {

bool beforeNumber(const BankCheck::Problem& problem, int number)
{
    return problem.number < number;
}

bool afterNumber(int number, const BankCheck::Problem& problem)
{
    return number < problem.number;
}

} // namespace

int ProblemListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_problems.size());
}

QVariant ProblemListModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount())
        return {};
    const BankCheck::Problem& problem = m_problems[std::size_t(index.row())];
    return QStringLiteral("%1: %2").arg(problem.number).arg(problem.text);
}

void ProblemListModel::setProblems(std::vector<BankCheck::Problem> problems)
{
    beginResetModel();
    m_problems = std::move(problems);
    m_checked = true;
    endResetModel();
}

void ProblemListModel::replaceQuestion(int number, const std::vector<BankCheck::Problem>& problems)
{
    auto from = std::lower_bound(m_problems.begin(), m_problems.end(), number, beforeNumber);
    auto to = std::upper_bound(from, m_problems.end(), number, afterNumber);
    const int first = int(from - m_problems.begin());
    if (from != to) {
        beginRemoveRows({}, first, int(to - m_problems.begin()) - 1);
        m_problems.erase(from, to);
        endRemoveRows();
    }
    if (problems.empty())
        return;
    beginInsertRows({}, first, first + int(problems.size()) - 1);
    m_problems.insert(m_problems.begin() + first, problems.begin(), problems.end());
    endInsertRows();
}

void ProblemListModel::dropAfter(int lastNumber)
{
    const auto from =
        std::upper_bound(m_problems.begin(), m_problems.end(), lastNumber, afterNumber);
    if (from == m_problems.end())
        return;
    beginRemoveRows({}, int(from - m_problems.begin()), rowCount() - 1);
    m_problems.erase(from, m_problems.end());
    endRemoveRows();
}

void ProblemListModel::clear()
{
    beginResetModel();
    m_problems.clear();
    m_checked = false;
    endResetModel();
}

int ProblemListModel::numberAt(int row) const
{
    return row >= 0 && row < rowCount() ? m_problems[std::size_t(row)].number : 0;
}

std::vector<int> ProblemListModel::problemNumbers() const
{
    std::vector<int> numbers;
    for (const BankCheck::Problem& problem : m_problems) {
        if (numbers.empty() || numbers.back() != problem.number)
            numbers.push_back(problem.number);
    }
    return numbers;
}
