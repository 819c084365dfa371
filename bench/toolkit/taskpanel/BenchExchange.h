#pragma once
// The task panel's settings stores timed: one group of links stored and
// loaded through an archive, an XML document and an INI file.

// Prints the figures and whether the loads grow in step with the links.
void BenchExchange();
