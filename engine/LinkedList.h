#pragma once
// The doubly linked lists of the records: a keyword's items and the group's
// keywords. A node has next and prev links; a list is its first and last node.

template <class Node>
void LinkAtTail(Node*& first, Node*& last, Node* node)
{
    node->next = nullptr;
    node->prev = last;
    if (last)
        last->next = node;
    else
        first = node;
    last = node;
}

template <class Node>
void LinkAtHead(Node*& first, Node*& last, Node* node)
{
    node->prev = nullptr;
    node->next = first;
    if (first)
        first->prev = node;
    else
        last = node;
    first = node;
}

// Takes the node out of the list and clears its links.
template <class Node>
void Unlink(Node*& first, Node*& last, Node* node)
{
    if (node->prev)
        node->prev->next = node->next;
    else if (first == node)
        first = node->next;
    if (node->next)
        node->next->prev = node->prev;
    else if (last == node)
        last = node->prev;
    node->next = nullptr;
    node->prev = nullptr;
}

// Deletes node and every node after it.
template <class Node>
void DeleteChain(Node* node)
{
    while (node)
    {
        Node* following = node->next;
        delete node;
        node = following;
    }
}
