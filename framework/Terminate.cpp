#include <cstdlib>

// An exception that nothing catches ends the program. The library's default handler first names
// the exception on the standard error stream, which a window program does not have, and brings a
// name demangler of some 45 KB for that. This handler takes its place and ends the program as it
// would, without the message no one can read. It must be linked as an object of the program: the
// library's handler would be taken from the library otherwise.
namespace __gnu_cxx {
void __verbose_terminate_handler() {
    std::abort();
}
}  // namespace __gnu_cxx
