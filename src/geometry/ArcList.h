#pragma once

// Singly linked lists of vertices, built at the tail and taken apart at the head.

// Holds one vertex of a list: its position and a third value (a polyarc radius, or 0).
// Callers compare x and y of the tail node directly.
struct alnode {
    alnode* next;
    int x;
    int y;
    int r;
};

// Appends the vertex (x, y, r) at the tail and updates both ends, which are null for an empty
// list. The tag is not kept; callers pass null.
void alAppendVertex(alnode** head, alnode** tail, char* tag, int x, int y, int r);

// Removes the head node, frees it and writes its values; *head becomes null after the last node.
// An empty list leaves the outputs untouched. The tag is not written; callers pass null.
void alPopVertex(alnode** head, char* tag, int* x, int* y, int* r);

// Returns the number of nodes from head on.
int alGetNumberVertices(alnode* head);
