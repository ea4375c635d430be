#pragma once

#include <string>
#include <vector>

namespace palaver {

// The transcript edits behind the deletions. Each takes the transcript of the current moves and
// returns it edited, ready to be replayed into a new line; the caller deletes the warrant
// statement (StatementLinesDeleted with its sentence) before the connection or the exception.

// Every occurrence of the sentence leaves its entry: a statement entry goes, a reason/conclusion
// or exception entry that loses one of its statements becomes statement entries of the others.
std::vector<std::string> StatementLinesDeleted(const std::vector<std::string>& Lines,
                                               const std::string& Sentence);
// Every reason/conclusion or exception entry of the connection from Reason to Conclusion becomes
// statement entries of its statements.
std::vector<std::string> ReasonConclusionLinesDeleted(const std::vector<std::string>& Lines,
                                                      const std::string& Reason,
                                                      const std::string& Conclusion);
// Every exception entry of this exception to that connection becomes a statement entry of the
// exception followed by the connection's reason/conclusion entry.
std::vector<std::string> ExceptionLinesDeleted(const std::vector<std::string>& Lines,
                                               const std::string& Exception,
                                               const std::string& Reason,
                                               const std::string& Conclusion);

}  // namespace palaver
