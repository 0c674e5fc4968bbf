#pragma once

#include "core/computerplayer.h"
#include "core/namecheck.h"

#include <QStringList>

namespace quintarlow {

// The one rule for a player's name, wherever a name comes in (the name entry, an import,
// --practice): it is kept composed (Unicode NFC), so that "Zoë" typed as an e and a combining
// diaeresis is the Zoë there is; it has at most MaximumNameLength characters (code points) once
// composed; and it holds no control character (NUL, tab, a line break) and no invisible format
// character (a zero-width joiner or space, a direction mark), which would make two names that
// look the same. Why `name` breaks the rule, as an imported file's line says it ("player has 31
// characters, more than 30"); empty when it does not.
QString nameProblem(const QString& name);
// The same, for a sentence of its own: which part of the rule `name` breaks, and by what.
struct NameFault {
    enum class Kind { None, RefusedCharacter, TooLong } kind = Kind::None;
    uint character = 0;   // the first one refused
    qsizetype length = 0; // characters once composed
};
NameFault nameFault(const QString& name);
// A character as Unicode writes it: "U+200D".
QString codePointText(uint character);
// The name as it is kept: composed.
QString composedName(const QString& name);
// The name without the characters the rule refuses, composed: how a name kept before the rule
// is carried over.
QString withoutRefusedCharacters(const QString& name);
// The name as names are compared: composed, trimmed and ignoring case. A child of a class
// compares as the name's key and the class.
QString nameKey(const QString& name);

// A child of a class, where a school's record holds the same name in two classes: the name and
// the class's key after a character no name may hold, so that it passes wherever a name goes
// (the list, the grid, the report, the commands) and the record reads that class's child only.
// An empty class gives the name as it is: every class's child of that name.
QString childOfClass(const QString& name, const QString& classKey);
struct ClassChild {
    QString name;
    QString classKey; // empty: any class
};
ClassChild classChild(const QString& child);

// A name as a page or a list shows it: one made only of blanks is a player too, so it is
// shown between quotes, where it can be seen; a child of a class with the class beside.
QString shownName(const QString& name);
// Names as the record matches them: trimmed and ignoring case.
bool sameName(const QString& x, const QString& y);
// The names that look like a misspelling of `asked`, closest first: a letter or two off, or
// one holding the other.
QStringList closeNames(const QString& asked, const QStringList& names);
// The players of `names` that `asked` names on a command line: the one whose name, or name
// and class as shown ("Tom (4B)"), it is; failing that, every child of that name, one per
// class (more than one: the command must be told which).
QStringList childrenNamed(const QString& asked, const QStringList& names);
// What a command says when `asked` names no player, or a child of more than one class.
QString notOneChildText(const QString& asked, const QStringList& names);
// The line a command says when `asked` is nobody in the record: the close names, or the
// names there are, and what to do next.
QString unknownPlayerText(const QString& asked, const QStringList& names);

// Two names the record takes for one player would merge two children's answers. Against the
// computer, a child who types its name as they read it ("Der Computer") is taken for it too.
enum class NamesProblem { None, Missing, Same };
inline NamesProblem namesProblem(const QString& redName, const QString& blueName) {
    if (!namesGiven(redName, blueName))
        return NamesProblem::Missing;
    const bool computers = redName == ComputerName && sameName(computerShownName(), blueName);
    return sameName(redName, blueName) || computers ? NamesProblem::Same : NamesProblem::None;
}

} // namespace quintarlow
