# Writes OUT, a C++ source holding the binary catalogs KO and EN (msgfmt's .mo files) as byte arrays.
function(zova_bytes file name out)
  file(READ ${file} hex HEX)
  string(LENGTH "${hex}" length)
  math(EXPR size "${length} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(REGEX REPLACE "((0x..,){24})" "\\1\n" bytes "${bytes}")
  set(${out} "const unsigned char ${name}[${size} + 1] = {\n${bytes}0};\nconstexpr std::size_t ${name}Size = ${size};\n" PARENT_SCOPE)
endfunction()
zova_bytes(${KO} kKorean korean)
zova_bytes(${EN} kEnglish english)
file(WRITE ${OUT}.new "// Generated from po/ko.po and po/en.po by msgfmt; do not edit.
#include <cstddef>

#include \"base/catalog_data.h\"

namespace zova {

namespace {
${korean}${english}}  // namespace

std::string_view CompiledCatalog(Language language) {
  return language == Language::Korean ? std::string_view(reinterpret_cast<const char*>(kKorean), kKoreanSize)
                                      : std::string_view(reinterpret_cast<const char*>(kEnglish), kEnglishSize);
}

}  // namespace zova
")
file(COPY_FILE ${OUT}.new ${OUT} ONLY_IF_DIFFERENT)
