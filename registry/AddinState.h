#pragma once

// Whether an IDE loads the add-in when it starts; Unavailable when there is no usable registration.
enum class AddinState { On, Off, Unavailable };
