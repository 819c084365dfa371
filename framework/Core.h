#pragma once
// The framework's objects, runtime classes, strings, geometry, collections, files, archives, exceptions.
