// SPDX-License-Identifier: GPL-2.0-or-later
#include "QuestionFilter.h"

#include "QuestionLineCodec.h"
#include "QuestionList.h"
#include "QvedError.h"

#include <algorithm>

QuestionFilter::QuestionFilter(Criteria criteria)
    : m_criteria(std::move(criteria)), m_search(m_criteria.text)
{
}

bool QuestionFilter::isEmpty() const
{
    return m_criteria.text.isEmpty() && m_criteria.book < 0 && m_criteria.level < 0 &&
           !m_criteria.problemsOnly;
}

bool QuestionFilter::matches(int index, QByteArrayView line) const
{
    const Criteria& c = m_criteria;
    if (c.problemsOnly &&
        !std::binary_search(c.problemNumbers.begin(), c.problemNumbers.end(), index + 1))
        return false;
    // Most lines miss the text anywhere, so the whole line is searched first
    // and only a hit is decoded to see which field holds it.
    if (!c.text.isEmpty() && m_search.find(line) < 0)
        return false;
    if (c.text.isEmpty() && c.book < 0 && c.level < 0)
        return true;
    QuestionRecord r;
    try {
        DecodeQuestionLine(line, r, DecodeMode::Full);
    } catch (const QvedError&) {
        // A line that does not decode has no book or level to match; its
        // text is still searched.
    }
    if ((c.book >= 0 && r.Book != c.book) || (c.level >= 0 && r.Level != c.level))
        return false;
    if (c.text.isEmpty())
        return true;
    for (const QByteArrayView field : {r.Question.view(), r.AnswerA.view(), r.AnswerB.view(),
                                       r.AnswerC.view(), r.AnswerD.view(), r.Reference.view()}) {
        if (m_search.find(field) >= 0)
            return true;
    }
    return false;
}

std::vector<int> QuestionFilter::matchingRows(const QuestionList& list) const
{
    std::vector<int> rows;
    for (int index = 0; index < list.count(); ++index) {
        if (matches(index, list.line(index)))
            rows.push_back(index);
    }
    return rows;
}
