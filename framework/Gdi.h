#pragma once
// The framework's device contexts, GDI objects, menus, image lists.
