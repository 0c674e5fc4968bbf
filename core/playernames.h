#pragma once

#include <QStringList>

namespace quintarlow {

// A name as a page or a list shows it: one made only of blanks is a player too, so it is
// shown between quotes, where it can be seen.
QString shownName(const QString& name);
// Names as the record matches them: trimmed and ignoring case.
bool sameName(const QString& x, const QString& y);
// The names that look like a misspelling of `asked`, closest first: a letter or two off, or
// one holding the other.
QStringList closeNames(const QString& asked, const QStringList& names);
// The line a command says when `asked` is nobody in the record: the close names, or the
// names there are, and what to do next.
QString unknownPlayerText(const QString& asked, const QStringList& names);

} // namespace quintarlow
