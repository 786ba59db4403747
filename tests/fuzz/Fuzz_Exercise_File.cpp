// The exercise and self-test reader on arbitrary bytes, read from a file as
// the exercise page and the self-test read theirs, with pictures beside it
// that answers may name. Every question it returns must come from one group
// of the file: its question text, and answers taken in order from the
// group's own "Answers" entries, leaving out lines that are no answer.

#include "activities/Answer_Code.h"
#include "activities/Exercise_File.h"
#include "shell/Ini_Document.h"
#include "tests/fuzz/Fuzz_Support.h"

#include <wx/filename.h>

namespace
{
    bool Comes_From(const Ini_Group* group, const Exercise_Question& question)
    {
        auto text = group->Entries.find("question");
        auto answers = group->Groups.find("answers");
        if (text == group->Entries.end() || text->second.Value != question.Text || answers == group->Groups.end())
            return false;
        size_t matched = 0;
        for (const Ini_Entry* entry : answers->second->Entry_Order)
        {
            const Answer_Code code = Parse_Answer_Code(entry->Value);
            const Exercise_Answer* next = matched < question.Answers.size() ? &question.Answers[matched] : nullptr;
            matched += next && code.Correct == next->Correct && code.Label == next->Label;
        }
        return matched == question.Answers.size();
    }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const wxString file = Fuzz_Path("uebungen/uebung.ini");
    static const bool pictures = (Fuzz_Write(Fuzz_Path("uebungen/bild.png"), "kein Bild"),
                                  Fuzz_Write(Fuzz_Path("uebungen/bilder/hecht.png"), "kein Bild"), true);
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    Fuzz_Write(file, bytes);
    std::vector<Exercise_Question> questions;
    FUZZ_CHECK(pictures && Read_Exercise_File(file, &questions));

    Ini_Document document;
    document.Parse(Decode_Course_Text(bytes));
    const std::vector<const Ini_Group*>& groups = document.Root().Group_Order;
    for (const Exercise_Question& question : questions)
    {
        FUZZ_CHECK(!question.Answers.empty() && std::any_of(groups.begin(), groups.end(), [&](const Ini_Group* group) {
            return Comes_From(group, question);
        }));
        FUZZ_CHECK(question.Image.empty() || wxFileName::FileExists(question.Image));
        for (const Exercise_Answer& answer : question.Answers)
            FUZZ_CHECK(answer.Picture.empty()
                       || (Is_Picture_Label(answer.Label) && wxFileName::FileExists(answer.Picture)));
    }
    return 0;
}
