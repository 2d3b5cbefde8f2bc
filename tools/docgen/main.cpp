// tarvik_docgen OUTDIR TEMPLATEDIR VERSION: writes the manual pages and the shell completions
// from the tables the programs print their help from, at build time.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "CompletionData.h"
#include "ManPages.h"

namespace {

namespace fs = std::filesystem;

bool writeFile(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    out << text;
    out.close();
    if (!out) std::cerr << "tarvik_docgen: cannot write " << path.string() << '\n';
    return static_cast<bool>(out);
}

// The template with its "@DATA@" line replaced by the completion data.
std::string fromTemplate(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    std::string script = text.str();
    const std::size_t at = script.find("@DATA@\n");
    if (!in || at == std::string::npos) return {};
    return script.replace(at, 7, tarvik::docgen::completionData());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: tarvik_docgen OUTDIR TEMPLATEDIR VERSION\n";
        return 2;
    }
    const fs::path out = argv[1];
    const fs::path templates = argv[2];
    const std::string bash = fromTemplate(templates / "tarvikctl.bash.in");
    const std::string zsh = fromTemplate(templates / "_tarvikctl.zsh.in");
    if (bash.empty() || zsh.empty()) {
        std::cerr << "tarvik_docgen: cannot read the completion templates in " << templates.string() << '\n';
        return 1;
    }
    const bool written = writeFile(out / "man/man1/tarvik.1", tarvik::docgen::tarvikManPage(argv[3])) &&
                         writeFile(out / "man/man1/tarvikctl.1", tarvik::docgen::tarvikctlManPage(argv[3])) &&
                         writeFile(out / "bash-completion/completions/tarvikctl", bash) &&
                         writeFile(out / "zsh/vendor-completions/_tarvikctl", zsh);
    return written ? 0 : 1;
}
