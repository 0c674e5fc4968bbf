#!/usr/bin/env bash
# Plants known faults in the game one at a time, builds, runs the suite and lists which test
# functions fail for each; every planted file is put back afterwards. A fault nobody catches
# shows as "NOT CAUGHT". Usage: tools/plant-faults.sh [build-dir] [fault-number ...]
# Slow tests that no fault below reaches are left out; FAULT_CTEST_ARGS overrides that, and
# FAULT_TARGETS="tst_a tst_b" builds only those targets.
# FAULT_QUICK=1 asks only whether each fault is caught: it first builds and runs the one test
# that caught it last time (tools/fault-catchers.txt, kept up to date by every run), and runs
# the whole suite, up to its first failure, only when that test no longer catches it; a whole
# run then takes hours fewer.
set -uo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$top/build-faults}")
shift || true
cd "$top"

# file % perl substitution (whole file) % what the fault is
faults=(
'core/fourinline.cpp%s/\{39, 7, 4\}/{39, 7, 3}/%scan table: last line one square short'
'core/fourinline.cpp%s/square == FreeSquareIndex \|\|/false ||/%FREE square does not count for a line'
'core/fourinline.cpp%s/(if \(!squareCounts.*\n)\s*run = 0;/$1/%a gap does not break a run'
'core/game.cpp%s/m_secondsLeft != -1/m_secondsLeft != 0/%clock times out at 0'
'core/game.cpp%s/\n\s*resetClock\(\);\n(\s*m_messagesShown = true;\n\s*if \(right\))/\n$1/%clock not stopped by an answer'
'core/game.cpp%s/squareKind\(square\) != SquareKind::Numbered/squareKind(square) == SquareKind::Free/%corner click not refused'
'board/boardwindow.cpp%s/\n\s*index = boardIndexInFrontOf\(index\);/\n        return;/%shadow strip click ignored instead of answering'
'core/game.cpp%s/Q_EMIT played\(Cue::Wrong\);\n(\s*m_messages\[0\] = Texts::youWereWrong\(\))/$1/%wrong answer plays no sound'
'screens/winner.cpp%s/setCaption\(game.shownName\(winner\)\)/setCaption(game.shownName(otherPlayer(winner)))/%winner screen shows the loser'"'"'s name'
'core/game.cpp%s/if \(m_question\)\n(\s*)refuseDuringQuestion\(\);/if (m_question) {\n$1Q_EMIT played(Cue::Wrong);\n$1refuseDuringQuestion();\n    }/%FREE picture during a question refused like a corner, with the error sound'
'core/game.cpp%s/\n\s*m_toMove = otherPlayer\(m_toMove\);(\n\s*Q_EMIT said\(Texts::correctAnswerSpeech)/$1/%turn does not pass after the pop-up'
'core/game.cpp%s/m_lastQuestion.a \* m_lastQuestion.b,/m_lastQuestion.a,/%pop-up speaks the wrong answer'
'core/game.cpp%s/tick == 8/tick == 9/g%pop-up'"'"'s ninth tick does not hand the board back'
'screens/correctanswer.h%s/onCloseRequest\(\) override \{\}/onCloseRequest() override { ScreenWindow::onCloseRequest(); }/%pop-up asks to quit on a close request'
'widgets/screenwindow.cpp%s/event->ignore\(\);/event->accept();/%close request answered No still closes the window'
'board/boardwindow.cpp%s/(void BoardWindow::drawReset\(\) \{\n(?:.*\n){2})\s*for \(int index = 0;/$1    for (int index = 10;/%replay leaves squares 1 to 9 coloured on the board'
'core/game.cpp%s/\n\s*m_toMove = Player::Blue;(\n\s*m_winner = Player::Nobody;)/$1/%replay does not give Blue the first move'
'core/game.cpp%s/m_announcementTicks != 1/m_announcementTicks != 2/%winner announced a tick late'
'screens/splash.cpp%s/case 6:/case SIX:/; s/case 7:/case 6:/; s/case SIX:/case 7:/%splash speaks after showing the name entry'
'core/questiondraw.cpp%s/bounded\(1, HighestFactor \+ 1\)/bounded(1, HighestFactor)/%factors never reach 12'
'board/boardwindow.cpp%s/#include <QKeyEvent>/#include <QKeyEvent>\n#include <QTextDocumentFragment>/; s/setCaption\(game.shownName\(Player::Red\)\)/setCaption(QTextDocumentFragment::fromHtml(game.shownName(Player::Red)).toPlainText())/%red name read as markup'
'core/namecheck.h%s/ \|\| redName == redNamePlaceholder\(\)//%red default text accepted as a name'
'media/animatedgif.cpp%s/\n\s*m_running = true;(\n\s*m_frame = 0;)/$1/%a stopped picture never starts again'
'media/animatedgif.cpp%s/if \(!isVisible\(\)\)\n(\s*)m_shown = QImage\(\);/if (!isVisible()) {\n$1m_shown = QImage();\n$1m_frame = 0;\n    }/%a picture hidden while it runs starts again from its first frame'
'media/animatedgif.cpp%s/out\[x\] = \*found;/out[x] = *found \& 0xf0;/; s/return compact.convertToFormat\(frame.format\(\)\) == frame \? compact : frame;/return compact;/%a kept frame loses colours'
'media/speechpauses.cpp%s/if \(text.at\(position\) == QLatin1Char\(\x27,\x27\)\)\n\s*(\+\+commas;)/$1/%a blank in a comma run adds a pause'
'media/animatedgif.cpp%s/if \(event->button\(\) == Qt::LeftButton\)\n\s*Q_EMIT doubleClicked\(\);//%a double-click on a picture is not reported'
'core/boardlayout.cpp%s/b <= 12; \+\+b\)\n(\s*products.insert)/b <= 11; ++b)\n$1/%products of 12 missing from the board'
'media/alsasoundplayer.cpp%s/started \+ playbackTimeLimit\(sound->duration\(\)\)/started + std::chrono::seconds(10)/%a WAV that is not cut at its deadline'
'app/datafolder.cpp%s/filePath\(QStringLiteral\("gif"\)\)\)\.isDir\(\)/filePath(QStringLiteral("gif"))).isFile()/%the data folder not found'
'board/boardwindow.cpp%s/if \(!key->isAutoRepeat\(\)\)\n\s*(pressSquare)/$1/%a held key on a square answers twice'
'widgets/screenwindow.cpp%s/!isEnabled\(\) && m_over/false \&\& m_over/%a click on the waiting board takes the focus from the screen over it'
'media/voicespeech.cpp%s/(lock\(voice_->mutex\);\n)\s*voice_->current.request_stop\(\);\n(\s*voice_->current = std::stop_source)/$1$2/%a new text does not stop the one being spoken'
'board/boardwindow.cpp%s/(blue|red)BlinkTimer.isActive\(\) \?/false ?/g%a screen reader never hears whose move it is'
'widgets/screenwindow.cpp%s/design.opensOver \? Qt::Dialog : Qt::Window/Qt::Window/; s/windowHandle\(\)->setTransientParent\(owner.windowHandle\(\)\);/;/%the pop-up and the winner screen are plain windows'
'media/voicespeech.cpp%s/if \(text.trimmed\(\).isEmpty\(\)\)\n\s*return;\n//%an empty text silences the game'
'core/factstats.cpp%s/c.missing >= c.know && c.missing >= c.learning/c.missing > c.know && c.missing > c.learning/%a fact half the class keeps missing shows as known'
'progress/progresswindow.cpp%s/services.dialogs.askToDelete\(/services.dialogs.askYesNo(/%Enter forgets a player: Yes the default'
'record/sqlitequeries.cpp%s/needsAnswers\(kept\)/false/%missed facts and the path never reach the draw'
'core/learningpath.cpp%s/answer.day >= place.due\)/answer.day >= place.due.addDays(-1))/%two fluent answers on one day make a fact known'
'core/learningpath.cpp%s/place.box = std::min\(place.box, 1\);/place.box = 0;/%a miss sends a known fact before the first box, to be learned again'
'core/learningpath.cpp%s/if \(place.wasKnown\) \{/if (false) {/%a known fact missed since takes a place among the facts being learned'
'core/learningpath.cpp%s/const bool recent = /const bool recent = false \&\& /%reviews only ever go to the facts due longest'
'record/sqliterecord.cpp%s/gamePlans\(db, players, settings,/gamePlans(db, players, m_settings,/%settings another program changed are not read at the next game'
'record/sqlitewriter.cpp%s/while \(isLocked\(result\)\)/while (false)/%a file locked beyond the busy timeout loses the answers'
'record/recordcsv.cpp%s/return !field.isEmpty\(\) && formulaStarts/return false \&\& formulaStarts/%a name is exported as a spreadsheet formula'
'progress/playerlist.cpp%s/\n\s*Q_EMIT model->dataChanged\(model->index\(row, AnswersColumn\),\n\s*model->index\(row, MovedOnColumn\)\);//%the list sorted by who needs help keeps its order when the numbers change'
'record/schema.cpp%s/ AND last_ms = old.played_ms; END/ AND 0; END/%the list keeps the last played of an answer that was deleted'
'record/schemafilesteps.cpp%s/QStringLiteral\("INSERT INTO player_games SELECT/QStringLiteral("SELECT/%a file from before the list was kept lists nobody'
'record/recordrows.cpp%s/if \(player.isEmpty\(\)\)\n(\s*return \{\};)/if (player.trimmed().isEmpty())\n$1/%a name of blanks reads as every player'
'record/recordrows.cpp%s/m_byKey.value\(playerKey\(spelling\)\)/m_byKey.value(spelling)/%the class view loses a child'"'"'s answers kept under other capitals'
'record/serversync.cpp%s/PRAGMA secure_delete = ON/PRAGMA secure_delete = OFF/%the name of a forgotten child stays readable in the file of a machine'
'record/schemaserversteps.cpp%s/OR class = ANY/OR class IS NOT NULL OR class = ANY/%a teacher sees every class'
'record/schemaserverrights.cpp%s/WHERE p.changed <("\s*")? excluded.changed/WHERE true/g%older practice settings of a machine replace those of the teacher'
'record/schemaserversteps.cpp%s/ DELETE FROM player_games s USING touched t WHERE/ DELETE FROM player_games s USING touched t WHERE false AND/%a forgotten child stays in the class list'
'record/schemaserverclasses.cpp%s/ p.path, p.answer_seconds,/ 0, 20,/g%the teacher'"'"'s learning path and time to answer never reach the machines'
'record/schemaserversteps.cpp%s/ THEN EXECUTE format\('"'"'GRANT/ AND false THEN EXECUTE format('"'"'GRANT/g%machines of a server brought up to date can no longer ask for settings'
'record/recordsender.cpp%s/    m_askServer = true;\n    sendNow\(\);/    sendNow();/%an idle machine does not learn of a teacher'"'"'s settings before its next game'
'core/game.cpp%s/m_secondsLeft = plan.answerSeconds;/m_secondsLeft = AnswerSeconds;/%the answer clock ignores the player'"'"'s plan'
'core/game.cpp%s/answerJudged\(name\(m_toMove\)/answerJudged(name(otherPlayer(m_toMove))/%an answer is reported for the other player'
'core/game.cpp%s/m_redName = composedName\(redName\);/m_redName = composedName(redName.trimmed());/%a name is trimmed before it is reported'
'core/game.cpp%s/if \(!m_gameRunning\)\n\s*return;\n//%a game that has ended is reported ended again'
'core/game.cpp%s/\n\s*m_owners = \{\};//%a replay leaves the squares owned'
'core/game.cpp%s/clock->stop\(\);/;/%quitting leaves the game'"'"'s clocks running'
'board/boardwindow.cpp%s/\(stage == Stage::Revealing && game.clockRunning\(\)\)/false/%the buttons behind the pop-up look ready after a time-out'
'core/movingon.cpp%s/today.addDays\(1 - StalledDays\)/today.addDays(-StalledDays)/%the two weeks without moving on begin a day early'
'core/movingon.cpp%s/if \(now\[fact\] && !then\[fact\]\)/if (now[fact])/%a fact known before the two weeks counts as moving on'
'progress/practiceeditor.cpp%s/next.path = on;//%the learning path box keeps nothing'
'progress/reportpage.cpp%s/if \(settings.path\)\n(\s*)pages.back\(\).movingOn/if (false)\n$1pages.back().movingOn/%--report leaves out where a child on the path stands'
'record/recordrows.cpp%s/number\(field\[3\]\)/number(field[0])/%the class view reads the time of each answer on a school'"'"'s server wrongly'
'record/schemaserverclasses.cpp%s/(AS text\[\]\)\) AND"\n\s*") machine IS DISTINCT FROM session_user AND/$1/%a machine counts its own answers twice in a child'"'"'s plan'
'record/sqlitequeries.cpp%s/answers = everyMachinesAnswers\(db, player, classKey\)/answers = factAnswersOf(db, player).answers/%a child'"'"'s plan reads only this machine'"'"'s answers'
'record/sqliterecord.cpp%s/m_turn == 0\)\n\s*planGame\(\);/m_turn == 0) {}/%a child new to a machine plays their first game there without the teacher'"'"'s settings'
'record/schemaserverclasses.cpp%s/here.machine = session_user/here.machine IS NOT NULL/g%a machine'"'"'s login reads the facts of children who never played on it'
'core/factstats.cpp%s/recentRights >= 2 && recentRightsFluent/recentRights >= 1 \&\& recentRightsFluent/%a fact is known after one fluent answer'
'core/factstats.cpp%s/it->ms <= fluencyMs/it->ms < fluencyMs/%an answer exactly at the fluency time is slow'
'core/factstats.cpp%s/FactStatus::Missed, misses, share,/FactStatus::Missed, share, misses,/%weakest first by the share missed before the number missed'
'core/factstats.cpp%s/addDays\(-29\)/addDays(-30)/%the last 30 days are 31'
'core/factstats.cpp%s/today.month\(\) >= 9/today.month() > 9/%in September the school year is last year'"'"'s'
'core/factstats.cpp%s/progress.push_back\(bar\);/if (bar.answers > 0)\n            progress.push_back(bar);/%days without play left out of the chart, its bars evenly spaced whatever the gaps'
'core/learningpath.cpp%s/if \(!learned\(then, sets\[set\]\)\)\n//%tables learned before this week are said to be learned this week'
'core/learningpath.cpp%s/summary.nextTable = set \+ 1 < sets.size\(\) \? order\[set \+ 1\] : 0;/summary.nextTable = 0;/%the table that opens next is never named'
'core/practicetext.cpp%s/if \(settings.askMissed && !settings.path\)/if (settings.askMissed)/%on the path, missed facts are said to be asked again besides'
'core/practicetext.cpp%s/if \(list.tables.size\(\) == TableCount\)\n\s*list.tables.clear\(\);//%all twelve tables listed are not every table'
'core/practicetext.cpp%s/table > TableCount/table > TableCount + 1/%table 13 is taken'
'progress/progresschart.cpp%s/if \(count - 1 - shown.back\(\) < step && shown.size\(\) > 1\)/if (false)/%the chart'"'"'s last two day labels touch'
'core/factstats.cpp%s/case FactStatus::Slow:\n(\s*)\+\+cell.children.learning;/case FactStatus::Slow:\n$1++cell.children.missing;/%the class grid counts a slow child as one who keeps missing'
'core/factstats.cpp%s/else if \(c.learning >= c.know\)/else if (c.learning > c.know)/%a class cell with as many learning as knowing shows known'
'core/factstats.cpp%s/tr\("faster", "answers"\)/tr("slower", "answers")/; s/tr\("Answers got faster /tr("Answers got slower /%answers getting faster are said to get slower'
'record/serversettings.cpp%s/isOnThisMachine\(\) \? QStringLiteral\("prefer"\) : QStringLiteral\("require"\)/isOnThisMachine() ? QStringLiteral("require") : QStringLiteral("prefer")/%names travel the school'"'"'s network unencrypted'
'record/serversettings.cpp%s/if \(holdsPassword\)\n/if (false)\n/%a password in the settings is used'
'record/serversync.cpp%s/if \(done && !keepDays.isNull\(\)\)/if (done \&\& false)/%a machine keeps answers older than the school keeps them'
'record/schemaserverrights.cpp%s/ DELETE FROM answers WHERE played < \x251;//%the server keeps answers older than the school keeps them'
'record/schoolsetup.cpp%s/if \(!missing.isEmpty\(\)\) \{/if (!want.isEmpty()) {/%setting the server up again grants every right again'
'record/serversync.cpp%s/if \(serverVersion > schema::newestVersion\(\)\)\n\s*return SyncStatus::NewerServer;//%a newer server is taken for one that refused the answers'
'media/voicespeech.cpp%s/limiterLookAheadSeconds = 0.005;/limiterLookAheadSeconds = 0.0;/%the voice'"'"'s limiter turns down at the peak itself and holds the tops flat'
'media/voicespeech.cpp%s/const double levelled = samples\[index\] \* gain_/const double levelled = 0.6 + samples[index] * gain_/%the voice'"'"'s leveller leaves a hum in the pauses'
'media/voicespeech.cpp%s/utterances.last\(\).last\(\).pauseAfterMs > 0 &&/false &&/%the voice says a question a phrase at a time'
'media/flitespeech.cpp%s/copied = pauseEnd;/copied = atComma ? pauseStart : pauseEnd;/%the voice'"'"'s own comma pause stays beside the silence made for it'
'media/flitespeech.cpp%s/if \(before && !atComma\)/if (!atComma)/%the voice opens with its own noisy pause'
'bench/learnmodel.cpp%s/recalled \? 1.0 : model.missWeight/1.0/%a miss then told leaves as much as a right recall'
'bench/learnmodel.cpp%s/return -0.3 \* \(a \* b - 12\) \/ 120.0;/return 0;/%a large product is as easy as a small one'
'bench/learnsim.cpp%s/return 2;/return 0;/%the simulator runs on past an unknown option'
'core/game.cpp%s/Texts::rules\(blueSeconds, redSeconds\)/Texts::rules(AnswerSeconds, AnswerSeconds)/%the rules say 20 seconds to a child given 40'
'core/spokentexts.h%s/blueSeconds == redSeconds/true/%the rules say one time when the two players have different times'
'core/learningpath.cpp%s/return std::max\(fluencyMs, qint64\(OwnPaceTimes \* double\(\*quick\)\)\);/return fluencyMs;/%a slow child held to the chosen fluency time'
'core/learningpath.cpp%s/if \(known <= TargetShareRight\)\n\s*return MostKnownsBetween;//; s/std::clamp\(int\(wanted\), 1,/std::clamp(int(wanted) - 2, 1,/%too few known facts between the unknown ones'
'core/learningpath.cpp%s/\(path.unknowns.empty\(\) \|\| knownsWanted\)/path.unknowns.empty()/%no known fact asked to make up the share right when none is due'
'core/learningpath.cpp%s/return std::find\(memory.heldProducts.begin\(\), memory.heldProducts.end\(\), product\) !=\n\s*memory.heldProducts.end\(\);/return 0;/%the path asks for squares the child already holds as readily as for others'
'core/learningpath.cpp%s/if \(memory.previous && memory.previous->a \* memory.previous->b == product\)\n\s*return 2;//%the path asks the same product twice in a row'
'core/learningpath.cpp%s/daysWithoutNewKnown\(history, grid\) >= NarrowAfterDays/daysWithoutNewKnown(history, grid) > NarrowAfterDays/%a child stalled three days still learns three facts at once'
'core/learningpath.cpp%s/plan.path.knownsBetween = std::min\(plan.path.knownsBetween, StalledKnownsBetween\);//%a stalled child still gets as many known facts between as before'
'core/learningpath.cpp%s/return oneBox != otherBox \? oneBox > otherBox/return oneBox != otherBox ? oneBox < otherBox/%a stalled child learns a fact never fluent before one fluent once'
'core/learningpath.cpp%s/place.firstKnown = answer.day;//%a newly known fact does not end a stall'
'core/game.cpp%s/memory.heldProducts.push_back\(squareProduct\(square\)\);/;/%the draw is not told which squares the player holds'

'core/savedfile.cpp%s/file.error\(\) != QFileDevice::NoError \|\| !file.flush\(\)/false/%a write the disk had no room for is reported done'
'core/savedfile.cpp%s/if \(target != folder && !target.startsWith/if (true || !target.startsWith/%an export writes over the practice record'
'core/savedfile.cpp%s/info.isSymLink\(\) && hop < 40/false/%an export through a symlink writes over the practice record'
'app/recordcommands.cpp%s/notAFile\(fileName\); !kind.isEmpty\(\)/notAFile(fileName); false/%an import waits for ever on a named pipe'
'app/main.cpp%s/const CommandInterruption interruption;\n\s*if \(const auto status/if (const auto status/%SIGTERM does not end an export waiting for a pipe'
'record/recordcsv.cpp%s/id.toString\(QUuid::WithoutBraces\)/text/%the same answer imported in capitals is kept twice'
'record/schemafilesteps.cpp%s/steps << QStringLiteral\("DELETE FROM /steps << QStringLiteral("SELECT 1 FROM /%a record holding an answer under two spellings of its id keeps it twice'
'record/sqlitewriter.cpp%s/if \(tables.isEmpty\(\) \|\|/if (true ||/%an export adds the game'"'"'s tables to another program'"'"'s database'
'record/sqlitewriter.cpp%s/if \(auto failure = notThisProgramsRecord\(db, !m_moveDamagedAside\)\)/if (auto failure = std::optional<Failure>())/%a newer record is switched to the write-ahead log by a reading command'
'core/playernames.cpp%s/    case QChar::Other_Format:\n//%a zero-width joiner makes a second Rosa'
'core/playernames.cpp%s/return name.normalized\(QString::NormalizationForm_C\);/return name;/%Zoë typed with a combining diaeresis is another player'
'core/playernames.cpp%s/if \(characters.size\(\) > MaximumNameLength\)/if (false)/%an imported name of any length is taken'
'record/schemafilesteps.cpp%s/if \(kept == spelling \|\| kept.isEmpty\(\)\)/if (true)/%names kept before the rule stay two players that look alike'
'progress/reportpage.cpp%s/characters.size\(\) > MaximumNameLength\)/false)/%--report --all stops at a very long name'
'record/recordcsv.cpp%s/while \(records.size\(\) > 1 &&/while (false \&\&/%a blank last line refuses the file'
'record/recordcsv.cpp%s/if \(text.contains\(QLatin1Char\(\x27\\r\x27\)\) && /if (false \&\& /%a file with CR alone at its line ends is said to have a bad header'
'record/recordcsv.cpp%s/if \(csv.startsWith\(bom\)\)/if (false)/%two byte-order marks are said to be no UTF-8'
'record/sqliterecord.cpp%s/failure->locked\n(\s*)\? RecordWords::tr\("the practice record is locked/false\n$1? RecordWords::tr("the practice record is locked/%an import into a locked record blames the file imported'
'record/serversettings.cpp%s/else if \(!number \|\| /else if (/%port=abc is said to be a server that cannot be reached'
'record/serversettings.cpp%s/!sslModes.contains\(read.sslMode\)/false/%sslmode=bogus is said to be a server that cannot be reached'
'record/serversettings.cpp%s/    if \(passfileIgnored\(\)\)\n(\s*)return RecordWords::tr/    if (false)\n$1return RecordWords::tr/%a passfile of mode 0644 is said to be a server that cannot be reached'
'record/sqlitewriter.cpp%s/PRAGMA wal_checkpoint\(TRUNCATE\)/PRAGMA quick_check/%a forgotten name stays in the log and the file while the record is open'
'record/sqlitewriter.cpp%s/if \(left.size\(\) != reading.rows.size\(\)\)/if (false)/%a forgotten child'"'"'s answers still wait beside the record'
'record/sqlitewriter.cpp%s/eraseFile\(keptAsideFile\(\)\);/QFile::remove(keptAsideFile());/g%the answers waiting beside the record are unlinked, not overwritten'
'record/sqlitewriter.cpp%s/if \(std::none_of\(spellings.begin/if (true || std::none_of(spellings.begin/%a damaged copy keeps the forgotten name'
'core/computerplayer.h%s/double shareRight = 0\.7;/double shareRight = 0.8;/%the computer right four times in five against a child without answers'
'core/computerplayer.cpp%s/Fact\{question\.a, question\.b - 1\}/Fact{question.a, question.b}/%a wrong answer of the computer may be the right one'
'core/computerplayer.cpp%s/answerSeconds \* 500/answerSeconds * 1000/%the computer may think until the end of a short clock'
'core/game.cpp%s/if \(!computerPlays\(\)\)\n(\s*)answer\(square\);/answer(square);/%the child'"'"'s squares taken during the computer'"'"'s turn'
'core/game.cpp%s/if \(computerPlays\(\) \|\| \(m_redIsGuest/if (false || (m_redIsGuest/%the computer'"'"'s answers reported to the record'
'core/game.cpp%s/m_againstComputer \? m_blueName : name\(m_toMove\)/name(m_toMove)/%the computer asked from its own plan, not the child'"'"'s'
'core/game.cpp%s/ComputerAsksAtTick = 3/ComputerAsksAtTick = 2/%the computer asks a tick early'
'core/game.cpp%s/if \(m_computerHeld\)\n\s*return;//%the computer plays on while a confirmation is open'
'core/playernames.h%s/NamesProblem::Same : NamesProblem::None/NamesProblem::None : NamesProblem::None/%the same name twice accepted'
'screens/welcome.cpp%s/redNameBox->setEnabled\(!chosen\);//%the Red box can be typed in while the computer plays'
'screens/welcome.cpp%s/if \(!computerChoice->isChecked\(\)\)\n\s*(redNameBox->setText\(redNamePlaceholder\(\)\);)/$1/%new players find the Red box emptied with the computer chosen'
'screens/screenset.cpp%s/if \(m_game\.againstComputer\(\)\)/if (false)/%a game against the computer recorded as a game of two'
'record/sqlitequeries.cpp%s/int\(alone\)/0/%a game against the computer not marked in the file'
'record/schemaserverrights.cpp%s/I, pg_temp\x27/I\x27/%a temporary table of the caller'"'"'s shadows the tables a function of the server reads'
'record/schoolsetup.cpp%s/\n\s*setup.giveToRecords\(\);//%the server'"'"'s functions run with the rights of the login that set it up'
'record/schoolsetup.cpp%s/\n(\s*)run\(QStringLiteral\("REVOKE TEMPORARY, CONNECT/\n$1if (false) run(QStringLiteral("REVOKE TEMPORARY, CONNECT/%set-up leaves every login the right to make temporary tables'
'record/schemaserverrights.cpp%s/IF all_classes OR k =/IF true OR k =/%a machine adds answers to a class whose role its login does not hold'
'record/schemaserverclasses.cpp%s/ AND g.ended_at IS NULL//%a machine changes the winner of a game already over'
'record/schemaserverclasses.cpp%s/g.machine ="\n(\s*)" session_user/g.machine ="\n$1" g.machine/%a login changes a game another login started'
'record/schemaserverclasses.cpp%s/WHERE p.player_key = ANY \(keys\) AND \(\(SELECT"/WHERE p.player_key = ANY (keys) OR ((SELECT"/%a machine reads the settings of another class'"'"'s child'
'record/schemaserverclasses.cpp%s/AND a.class ="\n(\s*)" ANY \(CAST/AND a.class IS NOT NULL OR NOT a.class ="\n$1" ANY (CAST/%a machine reads the facts of another class'"'"'s child'
'record/schemaserverrights.cpp%s/least\(played, now\(\)\)/played/%an answer dated in the future is kept so'
'record/schemaserverrights.cpp%s/NEW.changed := least\(NEW.changed, now\(\)\)/NEW.changed := NEW.changed/%a setting dated in the future wins for ever'
'record/schemaserverrights.cpp%s/ELSE quintarlow_caller_classes\(\)("\s*")? END/ELSE ARRAY[\x27*\x27]$1 END/g%a teacher'"'"'s forgetting reaches the machines of every class'
'record/schemaserverrights.cpp%s/QStringLiteral\("product = a \* b"\)/QStringLiteral("product = product")/%the server keeps an answer whose product is not its factors'
'record/schemaserverrights.cpp%s/THEN \x251 IS NFC NORMALIZED/THEN true/%the server keeps a name in two spellings of the same letters'
'record/schemaserverrights.cpp%s/WHERE NOT coalesce\(/WHERE false AND NOT coalesce(/%an impossible answer stored before stops the server'"'"'s upgrade'
'record/schemaserverrights.cpp%s/ALTER TABLE practice DROP CONSTRAINT practice_pkey,"\n\s*" ADD PRIMARY KEY/ALTER TABLE practice ADD UNIQUE/%a Tom in 4B and one in 5A share their settings'
'record/schemaserverrights.cpp%s/sha256\(\(SELECT secret FROM server_secret\) \|\|/sha256(/%the names of the forgotten are kept as a hash a list of names reverses'
'record/schemaserverrights.cpp%s/ ANALYZE answers, games, practice, player_games;//%a forgotten name stays in the server'"'"'s statistics'
'record/schemaserverrights.cpp%s/ practice p WHERE p.changed < \x251 AND/ practice p WHERE false AND/%a child'"'"'s settings outlive their last answer'
'record/schoolsetup.cpp%s/SELECT \* FROM quintarlow_expire\(\)/SELECT keep_days, 0, 0, 0 FROM school_settings/%the server'"'"'s owner expires nothing without a machine'
'record/schemaserverrights.cpp%s/ left\(md5\(n\), 8\)/ \x27\x27/%two classes named in other letters than ASCII share one role'
'record/schoolsetup.cpp%s/else if \(earlier->second/else if (false \&\& earlier->second/%set-up gives two class names one role without a word'
'core/clocktext.h%s/rightJustified\(2,/rightJustified(1,/%the clock shows ":9" for nine seconds'
'core/spokentexts.h%s/\.arg\(blueSeconds\)\n(\s*)\.arg\(redSeconds\)/.arg(redSeconds)\n$1.arg(blueSeconds)/%the rules give each player the other'"'"'s time'
'core/playernames.cpp%s/std::stable_sort\(close/if (false) std::stable_sort(close/%the closest names not offered first'
'core/playernames.cpp%s/wanted.size\(\) <= 4 \? 1 : 2/wanted.size() <= 4 ? 2 : 2/%a short name offers names two letters away'
'screens/winner.cpp%s/headline->setTransparent\(false\);//%the winner headline lets the fireworks through'
'i18n/quintarlow_de.ts%s/>Revanche</>Noch mal - dieselben Spieler</%a German choice too long for its button on the winner screen'
'i18n/quintarlow_fr.ts%s/<translation>C&apos;EST FAUX<\/translation>/<translation type="unfinished"><\/translation>/%a French caption left untranslated'
'core/factstats.cpp%s/tries \+= counted;/++tries;/%answers before the period are counted in it'
'core/factstats.cpp%s/if \(inGrid\(answer.a, answer.b\) && \(/if (inGrid(answer.a, answer.b) \&\& span.holds(answer.day) \&\& (/%a fact known before the period and not asked in it loses its colour'
'core/factstats.cpp%s/\(!span.to.isValid\(\) \|\| answer.day <= span.to\)\)/true)/%answers after the period'"'"'s end colour its facts'
'core/factstats.cpp%s/termStart.isValid\(\) && termStart <= today/false/%the term is the school year whatever day the teacher set'
'core/factstats.cpp%s/std::ssize\(earlier\) >= TrendRightsEach && std::ssize\(later\) >= TrendRightsEach/!earlier.empty() \&\& !later.empty()/%a trend told from one right answer'
'progress/playerlist.cpp%s/if \(model->item\(row, NameColumn\)->data\(NameRole\) != key\)/if (true)/%the list keeps the all-time figures it opened with whatever the period'
'app/reportcommand.cpp%s/if \(from > to\)/if (false)/%--from after --to writes an empty report'
'core/factstats.cpp%s/return lastFive.last\(std::min<std::size_t>\(3, lastFive.size\(\)\)\);/return lastFive;/%facts to practise judged on five tries, their colours on three'
'progress/playerlist.cpp%s/kept.value\(SortColumnKey, int\(MissingColumn\)\)/kept.value(SortColumnKey, int(LastColumn))/%the list opens sorted by who played last, not who needs help'
'progress/playerlist.cpp%s/kept.setValue\(SortColumnKey, column\);//%the list forgets the sort chosen'
'core/factstats.cpp%s/cell.children.missingNames.append\(names\[qsizetype\(index\)\]\);/;/%a class cell does not name the children who miss it'
'progress/reportpage.cpp%s/\.known = knownFacts\(page.grid\),/.known = missedFacts(page.grid),/%the class sheet counts missed facts as known'
'progress/report.cpp%s/std::vector<ReportPage> book\(pages.rbegin\(\), pages.rbegin\(\) \+ 1\);\n\s*book.insert\(book.end\(\), pages.begin\(\), pages.end\(\) - 1\);/std::vector<ReportPage> book(pages.begin(), pages.end());/%the class sheet comes last in the book to print'
'record/recordcsv.cpp%s/cells.append\(quoted\(field\)\);/cells.append(field);/%the class sheet writes a name as a spreadsheet formula'
'progress/playerlist.cpp%s/SheetKnows, SheetUsual,/SheetUsual, SheetKnows,/%the list shows the usual time under Knows'
'progress/report.cpp%s/keepingSentence\(page.keepDays\), keyLine\(page.fluencyMs\)\}/keepingSentence(page.keepDays)}/%the report has no key to its words'
'core/factstats.cpp%s/< LongestDayByDay \? 1 : 7;/< LongestDayByDay ? 1 : 1;/%a year of play drawn as hundreds of day bars, never weeks'
'core/factstats.cpp%s/step == 1 \? first : first.addDays\(1 - first.dayOfWeek\(\)\)/first/%the chart'"'"'s weeks start on the first day played, not on Monday'
'board/boardwindow.cpp%s/\n\s*freeSquareFrame = new FocusFrame\(\*squares\[FreeSquareIndex\], this\);//%the FREE picture hides the keyboard'"'"'s frame on its square'
'core/computerplayer.cpp%s/std::min\(recentOutcomes\.size\(\), RecentAnswerCount\)/recentOutcomes.size()/%the computer follows all the child'"'"'s answers, not the last 50'
'core/computerplayer.cpp%s/Easy\.shareRight, Hard\.shareRight/0.0, 1.0/%the computer at the child'"'"'s level right always or never'
'core/game.cpp%s/computerStrength\(child\.settings\.opponent,/computerStrength(ComputerLevel::Level,/%the computer plays at the child'"'"'s level whatever the child'"'"'s settings'
'record/sqlitequeries.cpp%s/\n\s*plan\.recentOutcomes = recentOutcomesOf\(db, player\);//%the computer never hears how the child answered lately'
'record/sqlitequeries.cpp%s/QVariantList\{playerKey\(name\), name, int\(settings\.opponent\)\}/QVariantList{playerKey(name), name, 1}/%the computer'"'"'s level for a child not kept in the file'
'app/practicecommand.cpp%s/settings\.opponent = opponent\.value_or\(settings\.opponent\);/;/%--opponent ignored'
'progress/practiceeditor.cpp%s/next\.opponent = ComputerLevel\(level\);//%the window'"'"'s choice of the computer'"'"'s level not saved'
'record/sqlitequeries.cpp%s/ AND g\.winner = player\)/)/%a game lost to the computer counted as won'
'record/serverwriter.cpp%s/QVariant\(row->againstComputer\)/QVariant(false)/%the server never hears that a game was played alone'
'progress/reportpage.cpp%s/\n\s*pages\.back\(\)\.gamesAlone = player\.gamesAlone;//%Save All and --report leave out the games played alone'
'progress/progressmodel.cpp%s/std::pair\(summary\.gamesAlone, summary\.wonAlone\)/std::pair(0, 0)/%the window leaves out the games played alone'
'progress/reportpage.cpp%s/if \(page\.gamesAlone > 0\)/if (false)/%the games played alone never said'
'core/game.cpp%s/computerPlays\(\) \|\| \(m_redIsGuest && m_toMove == Player::Red\)/computerPlays()/%a guest'"'"'s answers reported to the record'
'screens/screenset.cpp%s/m_game\.redIsGuest\(\) \? QString\(GuestName\) : red/red/%a guest'"'"'s name kept in the record'
'screens/screenset.cpp%s/const bool guestWon = m_game\.redIsGuest\(\)/const bool guestWon = false/%a guest who wins leaves their name in the record'
'screens/welcome.cpp%s/start\(blue, red, guestChoice->isChecked\(\)\)/start(blue, red)/%the name entry'"'"'s guest choice ignored'
'app/practicecommand.cpp%s/if \(!known && !isNew\)/if (false)/%settings kept for a name the record never saw'
'app/practicecommand.cpp%s/return sameName\(kept, name\);/return false;/%a player the record lists taken for a new one'
'record/recordrows.cpp%s/const QString key = playerKey\(childOfClass\(name, classKey\)\);/const QString key = playerKey(name);/%two classes'"'"' Toms listed as one child'
'record/sqliterecord.cpp%s/answer.ms,(\s*)m_classKey\}/answer.ms}/%a machine keeps answers of no class: two classes'"'"' Toms sharing it are one'
'record/recordcsv.cpp%s/if \(classes\)\n\s*lines.back\(\).append\(row.className\);//%the export leaves out the answers'"'"' classes'
'record/serverrecord.cpp%s/(const auto \[name, inClass\] = classChild\(child\);\n\s*values->append\(playerKey\(name\)\);\n\s*if \()inClass.isEmpty\(\)/$1true/%a teacher'"'"'s settings and forgetting of one class'"'"'s Tom reach the other'"'"'s'
'record/schemaserverclasses.cpp%s/AND f = ANY \(classes\) AND t = ANY \(classes\)\)\)/AND (f = ANY (classes) OR t = ANY (classes))))/%a teacher of one class moves a child to another'
'record/schemaserverclasses.cpp%s/IF EXISTS \(SELECT 1 FROM"\n(\s*)" answers WHERE class = t/IF false AND EXISTS (SELECT 1 FROM"\n$1" answers WHERE class = t/%a child moved onto another of the same name in the class'
'record/schemaserverclasses.cpp%s/UPDATE player_games SET class = t WHERE/UPDATE player_games SET class = class WHERE/%a moved child'"'"'s counts stay in the class they left'
'record/schoolsetup.cpp%s/(\.arg\(m_db\.databaseName\(\)\)\);\n\s*)if \(value\(held\)\.toBool\(\)\)/$1if (false)/%set-up finishes while PUBLIC may still make temporary tables'
'record/schemaserverclasses.cpp%s/\x27ςϐϑϕϖϰϱϵſẛιͅ\x27, \x27σβθφπκρεsṡιι\x27/\x27\x27, \x27\x27/%the server keys a final sigma or a long s apart from the machines'
'record/schemaserverclasses.cpp%s/normalize\(translate\((.*?)\x27σβθφπκρεsṡιι\x27\), NFC\)/(translate($1\x27σβθφπκρεsṡιι\x27))/s%the server keys a decomposed name apart from its composed spelling'
'record/serversync.cpp%s/keptClass\(schools\.value\(6\)\.toString\(\)\)/keptClass(QString())/%a machine two classes share keeps one Tom'"'"'s settings from the school'
'record/serversync.cpp%s/AND \(\? = \x27\*\x27 OR class IN/AND (? <> \x27\x27 OR class IN/%a class'"'"'s forgetting deletes every class'"'"'s child of that name on a shared machine'
'progress/progressmodel.cpp%s/\n\s*progressSettings\(\).setValue\(PeriodKey, static_cast<int>\(period\)\);//%the window forgets the period last shown'
'app/practicecommand.cpp%s/if \(children.size\(\) > 1\)\n\s*return refuse\(err, notOneChildText\(name, knownNames\)\);\n//%--practice with a name two classes share does not ask which child is meant'
'app/practicecommand.cpp%s/\n\s*name = children.front\(\);/;/%--practice does not read a child named with their class'
'i18n/quintarlow_de.ts%s/>Rot - schreib deinen Namen</>Rot - schreib hier deinen Namen hin</%a German name box'"'"'s default text cut at the name'"'"'s 30 characters'
'screens/welcome.cpp%s/const bool red = colour == Player::Red;/const bool red = true;/%the name entry blames Red for a character in Blue'"'"'s name'
'media/voicespeech.cpp%s/if \(!std::exchange\(engine\.missingTold, true\)\)\n//%a missing voice said again for every text'
'app/gamelanguage.cpp%s/\(void\)m_qt->load/if (false) (void)m_qt->load/%Qt'"'"'s own words of --help left in English in another language'
'core/questiondraw.cpp%s/while \(previousWasMissed && /while (false \&\& /%a missed fact the tables reach is asked twice running'
'app/platformchoice.cpp%s/ \|\|\n\s*!environment.waylandDisplay.isEmpty\(\)//%a Wayland desktop that names only its WAYLAND_DISPLAY gets no XWayland'
'app/languagechoice.cpp%s/ \|\| language == QLatin1String\("nn"\)//%a Nynorsk desktop gets English, not Bokmål'
'core/movingon.cpp%s/\? MovingOn::TooSoon :/? MovingOn::MovedOn :/%a child who began in the two weeks and knows no fact yet has moved on'
'progress/reportpage.cpp%s/return ProgressWords::tr\("too soon"\);/return ProgressWords::tr("yes");/%the class sheet says "yes" for a child with nothing yet to judge'
'screens/welcome.cpp%s/if \(watched == nameCompleter->popup\(\)\)/if (false)/%with the names offered open, Enter and Tab are lost'
'screens/welcome.cpp%s/nameCompleter->setCaseSensitivity\(Qt::CaseInsensitive\);//%a name offered only when typed with its capitals'
'record/sqlitequeries.cpp%s/names\.append\(query\.value\(0\)\.toString\(\)\);/;/%the name boxes never offered the record'"'"'s names'
'record/sqliterecord.cpp%s/player != ComputerName && player != GuestName/player != GuestName/%the computer'"'"'s name offered as a player'"'"'s'
'screens/welcome.cpp%s/QApplication::sendEvent\(target, &click\);/;/%a click beside the names offered only closes the list'
'core/gamesummary.cpp%s/ && then\[a\]\[b\].status != FactStatus::Known//%facts known before the game told as newly known'
'core/gamesummary.cpp%s/\.arg\(summary\.name, QString::number\(summary\.asked\)\)\} \+/.arg(summary.name).arg(summary.asked)} +/%a name holding %2 takes the count in the summary shown'
'core/game.cpp%s/constexpr int SummaryAtTick = 10;/constexpr int SummaryAtTick = 4;/%what the children did told over the winner'"'"'s congratulation'
'core/game.cpp%s/\n\s*tellSummaries\(\);\n(\s*Q_EMIT menuOpened)/\n$1/%a game left by the menu tells nobody what they did'
'record/sqlitequeries.cpp%s/KeptHistory\{std::move\(answers\), fluencyMs\}/KeptHistory{}/%the summary told without the child'"'"'s answers before the game'
'board/boardwindow.cpp%s/\n\s*connect\(&game, &Game::summaryTold, this, &BoardWindow::drawMessages\);//%what the children did never shown on the board'
'record/schemaserverclasses.cpp%s/", a\.class FROM answers a WHERE/", min(a.class) FROM answers a WHERE/; s/GROUP BY a\.class,"\n(\s*)" player_key \$\$"/GROUP BY"\n$1" player_key \$\$"/%a machine two classes share takes both Toms'"'"' facts from the school as one child'"'"'s'
'record/schemaserverclasses.cpp%s/UPDATE games SET class = t WHERE class = f AND against_computer/UPDATE games SET class = f WHERE class = f AND against_computer/%a moved child'"'"'s games alone stay in the class they left'
'record/schoolsetup.cpp%s/QStringLiteral\("quintarlow_facts_for"\),\n/QStringLiteral("quintarlow_facts_for"), QStringLiteral("quintarlow_forget_in_class"),\n/%a machine may forget a child of its class'
'record/schemaserverclasses.cpp%s/VALUES \(quintarlow_caller_class\(class_name\),/VALUES (quintarlow_class_key(class_name),/%a teacher forgets a child in another class'"'"'s machines'
'record/schemaserverclasses.cpp%s/LANGUAGE sql RETURN lower\(btrim\(name\)\)\$f\$/LANGUAGE sql RETURN btrim(name)\$f\$/%a server without ICU or UTF-8 keys names apart by case'
'record/recordrows.cpp%s/QCryptographicHash::hash\(lowered\.toUtf8\(\)/QCryptographicHash::hash(className.toUtf8()/%a machine keys a class of Cyrillic capitals apart from the server'"'"'s role'
'record/serverrecord.cpp%s/count\(\*\) FILTER \(WHERE"\n(\s*)" g\.against_computer\)/count(*) FILTER (WHERE"\n$1" false)/%a teacher on the server never sees the games played alone'
'record/schoolsetup.cpp%s/\n\s*run\(QStringLiteral\("REVOKE CREATE ON SCHEMA .1 FROM PUBLIC"\)\.arg\(schema\)\);//%set-up leaves every login making functions in the schema public'
'record/schemaserverclasses.cpp%s/QLatin1String\("VALUES \(id, player, quintarlow_name_key\(player\),"\)/QLatin1String("VALUES (id, player, key,")/%the server files an answer under the key its machine sent'
'record/schemaserverclasses.cpp%s/BEFORE INSERT OR UPDATE OF player,/AFTER INSERT OR UPDATE OF player,/%the server files a teacher'"'"'s setting under the key sent beside the name'
'core/game.cpp%s/\(computer && owner != Player::Nobody\)/(computer \&\& false)/%the computer'"'"'s draw steered onto the child'"'"'s squares'
'core/playernames.h%s/const bool computers = redName == ComputerName \&\&/const bool computers = false \&\&/%a German child typing "Der Computer" plays under the computer'"'"'s name'
'app/reportcommand.cpp%s/ << player << language\);/ << player);/%--report refuses --language'
'progress/reportpage.cpp%s/ProgressWords::tr\("Practise /QStringLiteral("Practise /%a report'"'"'s facts to practise left in English in German'
'i18n/quintarlow_de.ts%s/>Kind &amp;vergessen…</>Dieses Kind mit allen seinen Antworten aus dem Übungsheft für immer &amp;vergessen…</%a German button that widens the Practice Record past a netbook'"'"'s screen'
'record/recordsender.cpp%s/void RecordSender::endLongRound\(\) \{\n    if \(m_process\)/void RecordSender::endLongRound() {\n    if (false)/%a round the server never answers is never ended'
'widgets/vbbutton.cpp%s/if \(!testAttribute\(Qt::WA_ForceDisabled\)\) \{/if (isEnabled()) {/%the board'"'"'s buttons turn grey behind the screen over it'
'record/recordrows.cpp%s/if \(!outcome\)\n(\s*)\*error = unknownOutcome/if (false)\n$1*error = unknownOutcome/%an answer of an unknown outcome is left out without a word'
'record/schema.cpp%s/exec\(db, QStringLiteral\("BEGIN"\), error\) &&\n\s*exec\(db, QStringLiteral\("SELECT pg_advisory_xact_lock\(\x251\)"\)\.arg\(migrationLock\), error\);/exec(db, QStringLiteral("BEGIN"), error);/%two machines bringing an empty server up at once both make its tables'
'core/learningpath.cpp%s/return PathWords::tr\("\x251 knows \x252 of 144 facts"\)/return QStringLiteral("\x251 knows \x252 of 144 facts")/%a child'"'"'s learning path told to a parent in English on a German report'
'i18n/quintarlow_fr.ts%s/(\x251 : \x25n sur \x252 juste)</$1s</%one right answer of a French game counted in the plural'
'core/learningpath.cpp%s/4, 6, 8, 7, 11, 12\}/4, 6, 7, 8, 11, 12}/%the 7s, the hardest table, opened before the 8s'
'record/recordcsv.cpp%s/ \|\| row\.playedAt\.timeSpec\(\) == Qt::LocalTime//%an imported time without its offset is read as the time of the importing computer'
'record/schemafilesteps.cpp%s/(SELECT player_key, \x252 FROM \x251)"\)/$1 WHERE 0")/%a file from before classes loses its practice settings when brought up to date'
'progress/progressmodel.cpp%s/\n\s*progressSettings\(\)\.setValue\(FluencyKey, ms\);//%the fluency time chosen is forgotten with the window'
'record/recordtrouble.cpp%s/\n\s*if \(said\)\n\s*return;//%a record the game cannot write is said on the desktop at every answer'
)

ctest_args=(${FAULT_CTEST_ARGS:--E exit_on_sig -LE soak})
catchers=$top/tools/fault-catchers.txt
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-/work}
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null || exit 1
backup=$(mktemp -d)
trap 'rm -rf "$backup"' EXIT
touch "$catchers"

# Builds (the given targets) and runs ctest with the given arguments; prints the failing test
# functions, or the failing ctest names for tests that are not Qt Test programs, or nothing.
build_and_test() {
    local build_targets=$1
    shift
    cmake --build "$build" -j2 ${build_targets:+--target $build_targets} >"$backup/build.log" 2>&1 ||
        { echo "BUILD FAILED"; return; }
    (cd "$build" && ctest --output-on-failure --timeout 120 "$@") >"$backup/test.log" 2>&1
    local failed
    failed=$(grep -oE '^FAIL!  : [A-Za-z]+::[A-Za-z_]+' "$backup/test.log" | sed 's/^FAIL!  : //' |
                 sort -u | paste -sd' ')
    [ -z "$failed" ] && failed=$(grep -oE '[0-9]+ - [A-Za-z_]+ \(Failed\)' "$backup/test.log" | paste -sd' ')
    echo "$failed"
}

# The ctest name that failed first in the last run, kept beside the fault's description so
# that new faults and renumbering do not mix the lines up.
remember_catcher() {
    local what=$1 name
    name=$(grep -oE '[0-9]+ - [A-Za-z_]+ \(Failed\)' "$backup/test.log" | head -1 | sed -E 's/^[0-9]+ - (\S+) .*/\1/')
    [ -z "$name" ] && return
    awk -F'\t' -v what="$what" '$2 != what' "$catchers" >"$backup/catchers"
    printf '%s\t%s\n' "$name" "$what" >>"$backup/catchers"
    sort -t'	' -k2 "$backup/catchers" >"$catchers"
}

# The tests that most often caught the faults planted in files starting with `prefix`.
catchers_of() {
    local prefix=$1 entry
    for entry in "${faults[@]}"; do
        [[ ${entry%%%*} == "$prefix"* ]] || continue
        awk -F'\t' -v what="${entry##*%}" '$2 == what { print $1 }' "$catchers"
    done | sort | uniq -c | sort -rn | head -2 | awk '{ print $2 }'
}

# The test that caught this fault last time, then those that caught other faults planted in the
# same file, then in the same room: one of them nearly always catches a new fault there too.
likely_catchers() {
    local file=$1 what=$2
    {
        awk -F'\t' -v what="$what" '$2 == what { print $1 }' "$catchers"
        catchers_of "$file"
        catchers_of "${file%%/*}/"
    } | awk '!seen[$0]++' | head -4
}

selected=("$@")
[ ${#selected[@]} -eq 0 ] && selected=($(seq 1 ${#faults[@]}))
for number in "${selected[@]}"; do
    IFS='%' read -r file change what <<<"${faults[number - 1]}"
    cp "$file" "$backup/original"
    perl -0pi -e "$change" "$file"
    result=""
    if cmp -s "$file" "$backup/original"; then
        result="PATTERN NOT FOUND"
    elif [ -n "${FAULT_QUICK:-}" ]; then
        for catcher in $(likely_catchers "$file" "$what"); do
            target=""
            [[ $catcher == tst_* && $catcher != tst_installed ]] && target=$catcher
            result=$(build_and_test "$target" -R "^$catcher\$")
            [ "$result" = "BUILD FAILED" ] && break
            if [ -n "$result" ]; then
                remember_catcher "$what"
                result="$result (quick)"
                break
            fi
        done
        if [ -z "$result" ]; then
            result=$(build_and_test "" --stop-on-failure "${ctest_args[@]}")
            [ -n "$result" ] && [ "$result" != "BUILD FAILED" ] && remember_catcher "$what"
        fi
    else
        result=$(build_and_test "${FAULT_TARGETS:-}" "${ctest_args[@]}")
        [ -n "$result" ] && [ "$result" != "BUILD FAILED" ] && [ -z "${FAULT_TARGETS:-}" ] &&
            remember_catcher "$what"
    fi
    [ -z "$result" ] && result="NOT CAUGHT"
    cp "$backup/original" "$file" # a fresh time stamp: the next build drops the fault
    printf '%2d. %s (%s): %s\n' "$number" "$what" "$file" "$result"
done
cmake --build "$build" -j2 >/dev/null 2>&1
