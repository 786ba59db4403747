// The exercise and self-test reader on arbitrary bytes, read from a file as
// the exercise page and the self-test read theirs, with pictures beside it
// that answers may name. Every question it returns must come from one group
// of the file: that group's question text, and answers taken in order from
// that group's own "Answers" entries.

#include "activities/Answer_Code.h"
#include "activities/Exercise_File.h"
#include "common/Text_Codec.h"
#include "shell/Ini_Document.h"
#include "tests/fuzz/Fuzz_Support.h"

#include <wx/filename.h>

namespace
{
    bool Same(const Answer_Code& code, const Exercise_Answer& answer)
    {
        return code.Correct == answer.Correct && code.Label == answer.Label;
    }

    // The answers are read in order from the group, leaving out lines that
    // are no answer: they are a subsequence of the group's answer values.
    bool Comes_From(const Ini_Group& group, const Exercise_Question& question)
    {
        auto text = group.Entries.find("question");
        auto answers = group.Groups.find("answers");
        if (text == group.Entries.end() || text->second.Value != question.Text || answers == group.Groups.end())
            return false;
        size_t matched = 0;
        for (const Ini_Entry* entry : answers->second->Entry_Order)
            if (matched < question.Answers.size() && Same(Parse_Answer_Code(entry->Value), question.Answers[matched]))
                matched++;
        return matched == question.Answers.size();
    }
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    Fuzz_Init();
    Fuzz_Write(Fuzz_Path("uebungen/bild.png"), "kein Bild");
    Fuzz_Write(Fuzz_Path("uebungen/bilder/hecht.png"), "kein Bild");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const wxString file = Fuzz_Path("uebungen/uebung.ini");
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    Fuzz_Write(file, bytes);

    std::vector<Exercise_Question> questions;
    FUZZ_CHECK(Read_Exercise_File(file, &questions));

    Ini_Document document;
    document.Parse(Decode_Course_Text(bytes));
    for (const Exercise_Question& question : questions)
    {
        FUZZ_CHECK(!question.Answers.empty());
        bool found = false;
        for (const Ini_Group* group : document.Root().Group_Order)
            if (Comes_From(*group, question))
            {
                found = true;
                break;
            }
        FUZZ_CHECK(found);
        FUZZ_CHECK(question.Image.empty() || wxFileName::FileExists(question.Image));
        for (const Exercise_Answer& answer : question.Answers)
            FUZZ_CHECK(answer.Picture.empty()
                       || (Is_Picture_Label(answer.Label) && wxFileName::FileExists(answer.Picture)));
    }
    return 0;
}
