#include "cli/Completion.h"

#include <map>
#include <string>
#include <vector>

#include "app/Steps.h"

namespace morvalent::cli {
namespace {

using app::ValueForm;

std::string Words(const std::vector<std::string>& words) {
    std::string text;
    for (const std::string& word : words) text += (text.empty() ? "" : " ") + word;
    return "'" + text + "'";
}

// A `case` over the keys, each giving its text.
std::string CaseOf(const std::string& subject, const std::map<std::string, std::string>& arms) {
    std::string text = "    case " + subject + " in\n";
    for (const auto& [key, value] : arms) text += "        '" + key + "') " + value + " ;;\n";
    return text + "    esac\n";
}

// Every option's values, told to bash's `case`.
struct Tables {
    std::string names;                          // what `--<Tab>` offers
    std::map<std::string, std::string> counts;  // option -> values after it
    std::map<std::string, std::string> words;   // "option slot" -> words
    std::map<std::string, std::string> joined;  // option -> words after '='
};

Tables MakeTables() {
    Tables tables;
    for (const app::OptionSyntax& option : app::AllOptionSyntax()) {
        switch (option.form) {
            case ValueForm::None:
                tables.names += " " + option.name;
                break;
            case ValueForm::Joined:
                tables.names += " " + option.name + "=";
                break;
            case ValueForm::NoneOrJoined:
                tables.names += " " + option.name + " " + option.name + "=";
                break;
            case ValueForm::Next:
                tables.names += " " + option.name;
                tables.counts[option.name] = "echo " + std::to_string(option.values.size());
                break;
        }
        for (std::size_t slot = 0; slot < option.values.size(); ++slot) {
            const std::vector<std::string>& words = option.values[slot];
            if (words.empty()) continue;
            if (option.form == ValueForm::Next) {
                tables.words[option.name + " " + std::to_string(slot + 1)] = "echo " + Words(words);
            } else {
                tables.joined[option.name] = "echo " + Words(words);
            }
        }
    }
    tables.names.erase(0, 1);
    return tables;
}

}  // namespace

std::string BashCompletion() {
    const Tables tables = MakeTables();
    return "# bash completion for morvalent-cli, made from the program's option tables.\n"
           "\n"
           "# How many values follow an option.\n"
           "_morvalent_cli_count() {\n" +
           CaseOf("$1", tables.counts) +
           "}\n"
           "\n"
           "# The words value number $2 of option $1 may be; none for any text or a path.\n"
           "_morvalent_cli_words() {\n" +
           CaseOf("\"$1 $2\"", tables.words) +
           "}\n"
           "\n"
           "# The words after --option=.\n"
           "_morvalent_cli_joined() {\n" +
           CaseOf("$1", tables.joined) +
           "}\n"
           "\n"
           "_morvalent_cli() {\n"
           "    local cur=${COMP_WORDS[COMP_CWORD]} option= prefix= i=1 word count words\n"
           "    # \"--print=co\" comes as \"--print\" \"=\" \"co\" where '=' breaks words.\n"
           "    if [ \"$cur\" = \"=\" ]; then\n"
           "        option=${COMP_WORDS[COMP_CWORD-1]} cur=\n"
           "    elif [ $COMP_CWORD -ge 2 ] && [ \"${COMP_WORDS[COMP_CWORD-1]}\" = \"=\" ]; then\n"
           "        option=${COMP_WORDS[COMP_CWORD-2]}\n"
           "    elif [[ $cur == --*=* ]]; then\n"
           "        option=${cur%%=*} prefix=${cur%%=*}= cur=${cur#*=}\n"
           "    fi\n"
           "    if [ -n \"$option\" ]; then\n"
           "        COMPREPLY=($(compgen -P \"$prefix\" -W \"$(_morvalent_cli_joined "
           "\"$option\")\" "
           "-- \"$cur\"))\n"
           "        return\n"
           "    fi\n"
           "    # Whose value is being typed: the words before it, each option with its values.\n"
           "    while [ $i -lt $COMP_CWORD ]; do\n"
           "        word=${COMP_WORDS[i]}\n"
           "        if [ \"$word\" = \"--\" ]; then break; fi\n"
           "        if [ \"${COMP_WORDS[i+1]}\" = \"=\" ]; then i=$((i + 3)); continue; fi\n"
           "        count=$(_morvalent_cli_count \"$word\")\n"
           "        count=${count:-0}\n"
           "        if [ $((i + count)) -ge $COMP_CWORD ]; then\n"
           "            words=$(_morvalent_cli_words \"$word\" $((COMP_CWORD - i)))\n"
           "            if [ -n \"$words\" ]; then\n"
           "                COMPREPLY=($(compgen -W \"$words\" -- \"$cur\"))\n"
           "                return\n"
           "            fi\n"
           "            break  # any text: a path is the likely one\n"
           "        fi\n"
           "        i=$((i + count + 1))\n"
           "    done\n"
           "    if [ $i -ge $COMP_CWORD ] && [[ $cur == --* ]]; then\n"
           "        compopt -o nospace 2>/dev/null\n"
           "        COMPREPLY=($(compgen -W '" +
           tables.names +
           "' -- \"$cur\"))\n"
           "        # A space after a whole option, none after \"--print=\".\n"
           "        if [ ${#COMPREPLY[@]} -eq 1 ] && [ \"${COMPREPLY[0]%=}\" = \"${COMPREPLY[0]}\" "
           "]; "
           "then\n"
           "            COMPREPLY=(\"${COMPREPLY[0]} \")\n"
           "        fi\n"
           "        return\n"
           "    fi\n"
           "    compopt -o filenames 2>/dev/null\n"
           "    COMPREPLY=($(compgen -f -- \"$cur\"))\n"
           "}\n"
           "complete -F _morvalent_cli morvalent-cli\n";
}

}  // namespace morvalent::cli
