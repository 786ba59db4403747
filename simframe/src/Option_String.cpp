#include "simframe/src/Option_String.h"

#include "common/Text_Codec.h"

#include <climits>
#include <cmath>

bool Find_Option(const wxString& options, const char* key, wxString& value)
{
    // An empty key would turn the pattern into a bare "=" and answer with
    // the first value of any key.
    if (!key || !*key)
        return false;
    const wxString pattern = Decode_Course_Text(key) + "=";
    const size_t at = options.find(pattern);
    if (at == wxString::npos)
        return false;
    const size_t begin = at + pattern.length();
    const size_t end = options.find(';', begin);
    wxString text = options.substr(begin, end == wxString::npos ? wxString::npos : end - begin);
    if (text.empty())
        return false;
    value = text;
    return true;
}

bool Option_To_Int(const wxString& text, int& value)
{
    // The C-locale conversion: the pupil's desktop locale never changes what
    // a course's numbers mean. It writes its output even when it fails.
    long number;
    if (text.empty() || !text.ToCLong(&number, 10))
        return false;
    if (number < INT_MIN || number > INT_MAX)
        return false;
    value = int(number);
    return true;
}

bool Option_To_Double(const wxString& text, double& value)
{
    double number;
    if (text.empty() || !text.ToCDouble(&number))
        return false;
    if (!std::isfinite(number))
        return false;
    value = number;
    return true;
}
