// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QLineEdit>

// Which characters a TkelEdit accepts.
enum class TkelEditType : quint8
{
    etKELNone = 0,
    etKELInteger = 1,
    etKELFloat = 2,
    etKELAlpha = 3,
    etKELFraction = 4,
};

// A single-line edit for number entry: it drops every typed character its
// type does not accept (with an optional beep and a signal), and can move the
// focus on when the caret reaches the last position MaxLength allows.
// Text that arrives other than by typing (pasted, set by the program) is not
// filtered.
class TkelEdit : public QLineEdit
{
    Q_OBJECT
    Q_PROPERTY(bool KELAutoTab READ KELAutoTab WRITE setKELAutoTab)
    Q_PROPERTY(bool KELAudibleError READ KELAudibleError WRITE setKELAudibleError)
    Q_PROPERTY(TkelEditType KELEditType READ KELEditType WRITE setKELEditType)

public:
    explicit TkelEdit(QWidget* parent = nullptr);

    bool KELAutoTab() const { return m_autoTab; }
    void setKELAutoTab(bool on) { m_autoTab = on; }
    bool KELAudibleError() const { return m_audibleError; }
    void setKELAudibleError(bool on) { m_audibleError = on; }
    TkelEditType KELEditType() const { return m_editType; }
    void setKELEditType(TkelEditType type) { m_editType = type; }

    // The character rule of each type; Backspace and Tab pass every type,
    // every other control character (Enter and Escape included) passes only
    // the unfiltered one.
    static bool accepts(TkelEditType type, char32_t character);

signals:
    void OnKELEditError(TkelEdit* sender);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    void reject();

    bool m_autoTab = false;
    bool m_audibleError = false;
    TkelEditType m_editType = TkelEditType::etKELNone;
};
