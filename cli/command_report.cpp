#include "cli/command_report.h"

#include <utility>

#include "cli/terminal_text.h"
#include "form/placeholders.h"
#include "strings/cli_string_ids.h"
#include "strings/string_ids.h"

namespace zarvek::cli {
namespace {

constexpr std::string_view kToolTitle = "zarvek-grid";

void StringOrNull(JsonWriter& json, const std::optional<std::string>& text) {
    if (text) {
        json.String(*text);
    } else {
        json.Null();
    }
}

}  // namespace

CommandReport::CommandReport(std::optional<std::string> command, bool takesFile, Terminal& terminal,
                             Language language, bool json)
    : command_(std::move(command)),
      takesFile_(takesFile),
      terminal_(terminal),
      language_(language),
      json_(json) {}

void CommandReport::Show(const Message& message) {
    const std::string title =
        message.title.empty() ? LookupString(kApplicationTitle, language_) : message.title;
    if (json_) {
        Record(message.textId, title, message.prompt);
        return;
    }
    std::string text = message.prompt;
    // The table's text says only that there is no file; a person running a script needs to know
    // which file was looked for.
    if (message.textId == kNoGridFileExists && file_) {
        text += " " + FillPlaceholders(LookupString(kCliFileNamed, language_), {*file_});
    }
    terminal_.Err(MessageLine(title, text));
}

void CommandReport::Say(int textId, std::initializer_list<std::string_view> args) {
    Say(textId, FillPlaceholders(LookupString(textId, language_), args));
}

void CommandReport::Say(int textId, const std::string& text) {
    if (json_) {
        Record(textId, std::nullopt, text);
    } else {
        terminal_.Err(MessageLine(kToolTitle, text));
    }
}

void CommandReport::Result(int textId) {
    const std::string text = LookupString(textId, language_);
    if (json_) {
        Record(textId, std::nullopt, text);
    } else {
        terminal_.Out(Line(text));
    }
}

void CommandReport::Notice(int textId, std::initializer_list<std::string_view> args) {
    if (!json_) {
        terminal_.Err(
            MessageLine(kToolTitle, FillPlaceholders(LookupString(textId, language_), args)));
    }
}

void CommandReport::SetFile(const std::string& path) {
    file_ = path;
}

void CommandReport::SetPart(std::size_t number, const std::string& name) {
    part_.emplace(number, name);
}

void CommandReport::SetLine(std::size_t line) {
    line_ = line;
}

JsonWriter& CommandReport::Members() {
    if (!opened_) {
        opened_ = true;
        writer_.BeginObject().Key("command");
        StringOrNull(writer_, command_);
        if (takesFile_) {
            StringOrNull(writer_.Key("file"), file_);
        }
    }
    return writer_;
}

void CommandReport::FlushWhenLarge() {
    constexpr std::size_t kPiece = 64 * 1024;
    if (writer_.Text().size() >= kPiece) {
        terminal_.Out(writer_.Take());
    }
}

ExitCode CommandReport::End(const Ending& ending) {
    if (!json_) {
        return ending.code;
    }
    JsonWriter& json = Members().CloseInnerContainers();
    if (part_) {
        json.Key("part").Integer(static_cast<long long>(part_->first));
        json.Key("name").String(part_->second);
    }
    if (line_) {
        json.Key("line").Integer(static_cast<long long>(*line_));
    }
    json.Key("outcome").String(ending.outcome);
    json.Key("exitCode").Integer(ToInt(ending.code));
    json.Key("messages").BeginArray();
    for (const Said& said : said_) {
        json.BeginObject().Key("id");
        if (said.id != 0) {
            json.Integer(said.id);
        } else {
            json.Null();
        }
        StringOrNull(json.Key("title"), said.title);
        json.Key("text").String(said.text).EndObject();
    }
    json.EndArray().EndObject();
    terminal_.Out(json.Take() + "\n");
    return ending.code;
}

void CommandReport::Record(int id, std::optional<std::string> title, std::string text) {
    said_.push_back(Said{id, std::move(title), std::move(text)});
}

}  // namespace zarvek::cli
